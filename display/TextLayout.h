// Line breaking for texts of millions of characters, free of any toolkit.
//
// A text is cut once into atoms, the pieces that are never broken: a short
// word with its space, and inside a long word (more than kLongWord
// characters) everything up to a "," or to the third digit of a run of
// digits that goes on, so a display string breaks only between its digit
// groups and a fraction every three digits. Equal neighbouring atoms (the
// groups of a number) are kept as one run with a count, so a number of
// millions of digits is a handful of runs, found by a scan that checks
// eight bytes at a time.
//
// Lines are then filled greedily for a width: per run, how many atoms fit
// on the line it starts on and on each full line follow arithmetically, so
// the layout costs one step per run and finding the start of any line a
// binary search.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace display {

inline constexpr std::size_t kLongWord = 48;
// A long word without digits or commas is still cut every this many bytes.
inline constexpr std::size_t kLongestAtom = 32;

// The widths of characters, in pixels.
struct CharWidths {
    double digit = 0;  // every digit as wide as the widest
    std::array<double, 128> ascii{};
    std::function<double(char32_t)> other;  // code points above ASCII
};

class TextLayout {
public:
    // Cuts text into atoms. breakAfterCommas: short words break after their
    // commas too (a readout of "1,234,567" wraps between its groups).
    void scan(std::string_view text, const CharWidths& widths, bool breakAfterCommas);
    // Fills lines no wider than width.
    void layout(double width);

    std::int64_t lineCount() const { return lines_; }
    // The byte offset where line begins (0 <= line < lineCount()).
    std::int64_t lineStart(std::int64_t line) const;
    // Where line ends: the start of the next line, or the text's length.
    std::int64_t lineEnd(std::int64_t line) const;
    // The line that holds byte offset pos (a position at a line's start
    // belongs to that line).
    std::int64_t lineOf(std::int64_t pos) const;
    std::size_t runCount() const { return runs_.size(); }

private:
    struct Run {
        std::int64_t offset;  // of the first atom
        std::int64_t count;   // atoms
        std::int32_t chars;   // bytes in each atom
        bool lineBreak;       // each atom is a "\n" or "\r\n"
        bool wrapFirst;       // a line begins at the first atom
        double width;         // of each atom
        // From layout():
        std::int64_t firstLine;  // the first line that begins inside the run
        std::int64_t lines;      // lines that begin inside the run
        std::int64_t firstFit;   // atoms on the line the run starts on
        std::int64_t perLine;    // atoms on each further line
    };
    void addAtom(std::int64_t start, std::int64_t end, double width, bool lineBreak);

    std::vector<Run> runs_;
    std::int64_t size_ = 0;
    std::int64_t lines_ = 1;
};

}  // namespace display
