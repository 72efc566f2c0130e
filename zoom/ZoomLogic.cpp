#include "zoom/ZoomLogic.h"

#include <algorithm>

namespace zoom {

std::int64_t DigitCount(std::string_view t)
{
    std::int64_t n = static_cast<std::int64_t>(t.size() - std::count(t.begin(), t.end(), ','));
    if (t.find('.') != std::string_view::npos)
        --n;
    if (!t.empty() && t.front() == '-')
        --n;
    return n;
}

std::string DigitCountCaption(std::string_view t) { return "Count of digits is : " + std::to_string(DigitCount(t)); }

BoxSize TextBoxSize(double outerWidth, double outerHeight, double currentHeight)
{
    BoxSize s{std::max(0.0, outerWidth - 480), currentHeight};
    if (outerHeight > 1200)
        s.height = outerHeight - 1095;
    return s;
}

ZoomModel::ZoomModel(std::shared_ptr<const std::string> readoutText, std::string readoutWords)
    : readout_(std::move(readoutText)), words_(std::move(readoutWords)), digitCaption_(DigitCountCaption(*readout_))
{}

std::optional<std::string> ZoomModel::unload(std::string boxText) const
{
    if (numberMode_ != kFalse)
        return boxText;
    return std::nullopt;
}

}  // namespace zoom
