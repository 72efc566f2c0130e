#include "calc/History.h"

#include <atomic>

namespace calc {
namespace {

std::atomic<std::size_t> newTapeBudget{kHistoryBudget};

}  // namespace

HistoryBudgetScope::HistoryBudgetScope(std::size_t budget) noexcept : SettingScope(newTapeBudget, budget) {}

HistoryTape::HistoryTape() : budget_(newTapeBudget) {}

std::string TrimNotice(std::size_t removed)
{
    return "--- " + std::to_string(removed) + (removed == 1 ? " older entry" : " older entries") +
           " removed to save memory ---";
}

std::size_t HistoryTape::prepend(std::string line)
{
    linesLength_ += line.size() + kHistorySeparator.size();
    lines_.push_front(std::move(line));
    std::size_t removedNow = 0;
    while (lines_.size() > 1 && length() > budget_) {
        linesLength_ -= lines_.back().size() + kHistorySeparator.size();
        lines_.pop_back();
        ++removed_;
        ++removedNow;
    }
    if (removedNow > 0)
        lines_.shrink_to_fit();
    joinedValid_ = false;
    return removedNow;
}

std::size_t HistoryTape::length() const
{
    return linesLength_ + (removed_ == 0 ? 0 : TrimNotice(removed_).size() + kHistorySeparator.size());
}

const std::string& HistoryTape::str() const
{
    if (!joinedValid_) {
        joined_.clear();
        joined_.shrink_to_fit();
        joined_.reserve(length());
        for (const std::string& l : lines_) {
            joined_ += l;
            joined_ += kHistorySeparator;
        }
        if (removed_ != 0) {
            joined_ += TrimNotice(removed_);
            joined_ += kHistorySeparator;
        }
        joinedValid_ = true;
    }
    return joined_;
}

}  // namespace calc
