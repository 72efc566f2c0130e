// The history tape.
//
// The tape is the text "line, CR LF, CR LF, older tape": the newest line on
// top and one empty line between entries. Lines are kept separately, newest
// first, so that adding a line costs only the line itself however long the
// tape has grown; the joined text is built on demand and cached until the
// next line arrives.
//
// The tape holds at most a budget of text (kHistoryBudget characters, the
// separators counted). When a new line takes it over the budget, the oldest
// entries are removed whole until it fits again, and from then on the tape
// ends with a line of its own that says how many were removed (TrimNotice).
// The newest line always stays, even alone over the budget: an entry is
// never cut, so every number on the tape is the one computed.
#pragma once

#include "calc/SettingScope.h"

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

namespace calc {

// The separator written after every line: two line breaks (CR LF each).
inline constexpr std::string_view kHistorySeparator = "\r\n\r\n";

// The tape's budget: 134,217,728 characters (128 MiB of text), room for
// hundreds of results of 100,000 digits or two lines of operands and result
// at the engine's longest result.
inline constexpr std::size_t kHistoryBudget = std::size_t{1} << 27;

// The line that closes a tape whose oldest entries were removed.
std::string TrimNotice(std::size_t removed);

// While one lives, new tapes take its budget instead of kHistoryBudget, so
// that a test can trim the window's tape without 128 MiB of text.
class HistoryBudgetScope : SettingScope<std::size_t> {
public:
    explicit HistoryBudgetScope(std::size_t budget) noexcept;
};

class HistoryTape {
public:
    // With kHistoryBudget, or the budget of a HistoryBudgetScope.
    HistoryTape();
    explicit HistoryTape(std::size_t budget) : budget_(budget) {}

    // Puts line on top of the tape, then removes the oldest entries while
    // the tape is over its budget. Answers how many this call removed.
    std::size_t prepend(std::string line);

    // Number of entries; line(0) is the newest. The closing notice is not
    // an entry.
    std::size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    const std::string& line(std::size_t index) const { return lines_[index]; }
    const std::deque<std::string>& lines() const { return lines_; }

    // Entries removed since the start; the tape ends with
    // TrimNotice(removed()) when this is not 0.
    std::size_t removed() const { return removed_; }

    // Length of the joined tape in characters, without building it.
    std::size_t length() const;

    // The whole tape as one text: each entry, newest first, then the
    // closing notice if any, each followed by kHistorySeparator. Empty for
    // an empty tape. Built once per change.
    const std::string& str() const;

    bool operator==(std::string_view text) const { return str() == text; }

private:
    std::size_t budget_;
    std::deque<std::string> lines_;
    std::size_t linesLength_ = 0;  // the entries and their separators
    std::size_t removed_ = 0;
    mutable std::string joined_;
    mutable bool joinedValid_ = true;
};

}  // namespace calc
