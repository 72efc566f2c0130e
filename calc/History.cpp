#include "calc/History.h"

namespace calc {

void HistoryTape::prepend(std::string line)
{
    length_ += line.size() + kHistorySeparator.size();
    lines_.push_front(std::move(line));
    joinedValid_ = false;
}

const std::string& HistoryTape::str() const
{
    if (!joinedValid_) {
        joined_.clear();
        joined_.reserve(length_);
        for (const std::string& l : lines_) {
            joined_ += l;
            joined_ += kHistorySeparator;
        }
        joinedValid_ = true;
    }
    return joined_;
}

}  // namespace calc
