// One user's session from start to end, checked on the tape at the end.
#include "calc/tests/Harness.h"

#include <gtest/gtest.h>

namespace calc::test {
namespace {

TEST(Scenario, WholeSession)
{
    Harness h;
    h.replay("1 2 X 3 =");                 // 36
    h.replay("+ 4 =");                     // 40
    h.replay("MS");
    EXPECT_EQ(h.view.memoryCaption, "40.");
    EXPECT_TRUE(h.view.memoryButtonsEnabled);
    h.replay("C 2 sq");                    // 4
    h.replay("+ MR =");                    // 4 + 40 = 44
    EXPECT_EQ(h.state().readoutText, "44.");
    h.replay("1 6 sqrt");                  // 4.
    h.replay("C 5 fact");                  // 120.
    h.replay("C 1 0 0 metric c-f");        // 212., no line
    EXPECT_EQ(h.state().readoutText, "212.");
    EXPECT_EQ(h.view.wordsCaption.substr(h.view.wordsCaption.find("\r\n")),
              "\r\n\r\n100 Celsius equals 212. Fahrenheit");
    h.replay("X 2 =");                     // 424
    h.replay("copy");
    EXPECT_EQ(h.platform.clipboardText, "424.");
    h.platform.clipboardText = "1,000,000";
    h.replay("paste / 8 =");              // 125,000
    h.replay("7 / 0 =");                  // refused
    h.replay("CE CE");
    Check(h, {.readout = "0.", .lastInput = "CE", .pending = " ", .count = 0,
              .messageTitles = std::vector<std::string>{"Calculator"}, .memory = "40.", .memoryButtons = true});
    h.replay("MC");
    Check(h, {.memory = "", .memoryButtons = false});

    const std::string tape =
        "7 / 0 = 7.\r\n\r\n"
        "1000000 / 8 = 125,000.\r\n\r\n"
        "212 X 2 = 424.\r\n\r\n"
        "5 Factorial = 120.\r\n\r\n"
        " Square Root 16 = 4.!\r\n\r\n"
        "4 + 40 = 44.\r\n\r\n"
        "2 Squared = 4.\r\n\r\n"
        "36 + 4 = 40.\r\n\r\n"
        "12 X 3 = 36.\r\n\r\n";
    EXPECT_EQ(h.state().historyText.str(), tape);
    EXPECT_EQ(h.view.historyLines.size(), 9u);
}

}  // namespace
}  // namespace calc::test
