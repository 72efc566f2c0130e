#include "zoom/ZoomLogic.h"

#include <gtest/gtest.h>

namespace zoom {
namespace {

TEST(DigitCount, CountsDigitsOfTheReadout)
{
    struct Row {
        std::string readout;
        std::int64_t count;
    } rows[] = {
        {"1,234,567", 7}, {"1,234.5", 5}, {"0", 1},     {"-1,234", 4}, {"0.", 1},
        {"-0.", 1},       {"36.", 2},     {"", 0},      {"-", 0},      {"0.25", 3},
        {"-12,345.678", 8},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(DigitCount(r.readout), r.count) << r.readout;
        EXPECT_EQ(DigitCountCaption(r.readout), "Count of digits is : " + std::to_string(r.count));
    }
}

TEST(DigitCount, BeyondSixteenBitsStaysExact)
{
    std::string big(40000, '7');
    EXPECT_EQ(DigitCount(big + "."), 40000);
    EXPECT_EQ(DigitCountCaption(big), "Count of digits is : 40000");
}

TEST(TextBoxSize, FollowsTheWindow)
{
    struct Row {
        double w, h, current;
        double boxW, boxH;
    } rows[] = {
        {7950, 6600, 5505, 7470, 5505},  // design size
        {10000, 9000, 5505, 9520, 7905},
        {3000, 1201, 5505, 2520, 106},
        {3000, 1200, 5505, 2520, 5505},  // 1,200 or less: height unchanged
        {3000, 500, 4000, 2520, 4000},
        {480, 5000, 1, 0, 3905},
        {300, 5000, 1, 0, 3905},  // never a negative width
    };
    for (const Row& r : rows) {
        const BoxSize s = TextBoxSize(r.w, r.h, r.current);
        EXPECT_DOUBLE_EQ(s.width, r.boxW);
        EXPECT_DOUBLE_EQ(s.height, r.boxH);
    }
}

TEST(ZoomModel, ViewsAndWriteBack)
{
    ZoomModel m("1,234.", "One Thousand, Two Hundred Thirty Four");
    EXPECT_EQ(m.text(), "1,234.");
    EXPECT_EQ(m.numberMode(), kTrue);
    EXPECT_EQ(m.digitCaption(), "Count of digits is : 4");
    EXPECT_EQ(m.unload(), std::optional<std::string>("1,234."));  // unchanged write-back

    m.setText("1,23");  // an edit
    EXPECT_EQ(m.unload(), std::optional<std::string>("1,23"));

    m.showText();
    EXPECT_EQ(m.numberMode(), kFalse);
    EXPECT_EQ(m.text(), "One Thousand, Two Hundred Thirty Four");
    m.setText("edited words");
    EXPECT_EQ(m.unload(), std::nullopt);  // words are never written back
    EXPECT_EQ(m.digitCaption(), "Count of digits is : 4");

    m.showNumber();  // earlier edits are gone
    EXPECT_EQ(m.text(), "1,234.");
    EXPECT_EQ(m.numberMode(), kTrue);
    m.setText("99x");
    m.showNumber();  // choosing the shown view reloads it
    EXPECT_EQ(m.text(), "1,234.");
}

}  // namespace
}  // namespace zoom
