// The history tape.
//
// The tape is the text "line, CR LF, CR LF, older tape": the newest line on
// top and one empty line between entries. Lines are kept separately, newest
// first, so that adding a line costs only the line itself however long the
// tape has grown; the joined text is built on demand and cached until the
// next line arrives.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

namespace calc {

// The separator written after every line: two line breaks (CR LF each).
inline constexpr std::string_view kHistorySeparator = "\r\n\r\n";

class HistoryTape {
public:
    // Puts line on top of the tape.
    void prepend(std::string line);

    // Number of lines; line(0) is the newest.
    std::size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    const std::string& line(std::size_t index) const { return lines_[index]; }
    const std::deque<std::string>& lines() const { return lines_; }

    // Length of the joined tape in characters, without building it.
    std::size_t length() const { return length_; }

    // The whole tape as one text: each line, newest first, followed by
    // kHistorySeparator. Empty for an empty tape. Built once per change.
    const std::string& str() const;

    bool operator==(std::string_view text) const { return str() == text; }

private:
    std::deque<std::string> lines_;
    std::size_t length_ = 0;
    mutable std::string joined_;
    mutable bool joinedValid_ = true;
};

}  // namespace calc
