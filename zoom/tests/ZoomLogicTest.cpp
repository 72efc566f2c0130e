#include "zoom/ZoomLogic.h"

#include <gtest/gtest.h>

namespace zoom {
namespace {

TEST(DigitCount, CountsDigitsOfTheReadout)
{
    const std::string big(40000, '7');  // beyond sixteen bits
    const struct {
        std::string readout;
        std::int64_t count;
    } rows[] = {
        {"1,234,567", 7}, {"1,234.5", 5}, {"0", 1}, {"-1,234", 4}, {"0.", 1},          {"-0.", 1},
        {"36.", 2},       {"", 0},        {"-", 0}, {"0.25", 3},   {"-12,345.678", 8}, {big + ".", 40000},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(DigitCount(r.readout), r.count) << r.readout;
        EXPECT_EQ(DigitCountCaption(r.readout), "Count of digits is : " + std::to_string(r.count));
    }
}

TEST(TextBoxSize, FollowsTheWindow)
{
    const struct {
        double w, h, current, boxW, boxH;
    } rows[] = {
        {7950, 6600, 5505, 7470, 5505},  // design size
        {10000, 9000, 5505, 9520, 7905}, {3000, 1201, 5505, 2520, 106},
        {3000, 1200, 5505, 2520, 5505},  // 1,200 or less: height unchanged
        {3000, 500, 4000, 2520, 4000},   {480, 5000, 1, 0, 3905},
        {300, 5000, 1, 0, 3905},  // never a negative width
    };
    for (const auto& r : rows) {
        const BoxSize s = TextBoxSize(r.w, r.h, r.current);
        EXPECT_DOUBLE_EQ(s.width, r.boxW) << r.w << " x " << r.h;
        EXPECT_DOUBLE_EQ(s.height, r.boxH) << r.w << " x " << r.h;
    }
}

}  // namespace
}  // namespace zoom
