// The eleven unit conversions in both directions.
#include "calc/Format.h"
#include "calc/tests/Harness.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace calc::test {
namespace {

TEST(Conversion, ReferenceVectors)
{
    std::ifstream f(std::string(MEGATALLY_SOURCE_DIR) + "/calc/tests/data/conversion_vectors.txt");
    ASSERT_TRUE(f.good());
    std::string line;
    int rows = 0;
    while (std::getline(f, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> c;
        std::stringstream ss(line);
        std::string col;
        while (std::getline(ss, col, '\t'))
            c.push_back(col);
        ASSERT_EQ(c.size(), 5u) << line;
        Harness h;
        h.replay(c[1] + " " + c[2] + " " + c[0]);
        SCOPED_TRACE(line);
        EXPECT_EQ(h.state().readoutText, c[3]);
        EXPECT_EQ(ResultText(h.state().firstOperand), c[3]);
        const std::string tail = "\r\n\r\n" + c[4];
        const std::string& caption = h.view.wordsCaption;
        ASSERT_GE(caption.size(), tail.size());
        EXPECT_EQ(caption.substr(caption.size() - tail.size()), tail);
        // What stands before the sentence is the reaction's text for the new readout.
        EXPECT_EQ(caption.substr(0, caption.size() - tail.size()).find("\r\n"), std::string::npos);
        EXPECT_TRUE(h.state().historyText.empty());
        ++rows;
    }
    EXPECT_GT(rows, 200);
}

TEST(Conversion, SentenceAndLabelForSpecCases)
{
    Harness h;
    h.replay("1 0 0 metric cm-ft");
    EXPECT_EQ(h.state().readoutText, "3.280839895");
    EXPECT_EQ(h.view.wordsCaption,
              Words("3") + " ( and 28083/100,000's )\r\n\r\n100 Centimeters equals 3.280839895 Feet");
}

TEST(Conversion, LeavesEntryStateAlone)
{
    Harness h;
    h.replay("5 + 1 0 0 0 kg-lb");
    Check(h, {.readout = "2,204.62", .lastInput = "NUMS", .pending = "+", .count = 1});
    EXPECT_EQ(h.view.wordsCaption.substr(h.view.wordsCaption.find("\r\n")),
              "\r\n\r\n1000 Kilograms equals 2,204.62 Pounds");
    // The result is the first operand; the readout is then the second.
    h.replay("=");
    EXPECT_EQ(h.state().historyText.line(0), "2204.62 + 2204.62 = 4,409.24");
    EXPECT_EQ(h.view.focusMoves, 5);
}

TEST(Conversion, UnchangedReadoutAppendsBelowEarlierSentence)
{
    Harness h;
    h.replay("C 1 CE mm-in");  // readout "0." stays "0."
    EXPECT_EQ(h.state().readoutText, "0.");
    h.replay("mm-in");
    EXPECT_EQ(h.view.wordsCaption,
              "Zero\r\n\r\n0. Millimeters equals 0. Inches\r\n\r\n0. Millimeters equals 0. Inches");
}

TEST(Conversion, ChangedReadoutReplacesEarlierSentences)
{
    Harness h;
    h.replay("1 0 metric mm-in cm-ft");
    const std::string& caption = h.view.wordsCaption;
    EXPECT_EQ(caption.find("Millimeters"), std::string::npos);
    EXPECT_NE(caption.find(" Centimeters equals "), std::string::npos);
}

TEST(Conversion, OddUnitNamesUsedAsTheyStand)
{
    Harness h;
    h.replay("2 metric l-cuin");
    EXPECT_EQ(h.view.wordsCaption.substr(h.view.wordsCaption.find("\r\n")),
              "\r\n\r\n2 Liters equals 122.0474 Cubic Inches ");
    Harness back;
    back.replay("1 2 2 . 0 4 7 4 imperial l-cuin");
    EXPECT_EQ(back.state().readoutText, "2.");
    EXPECT_EQ(back.view.wordsCaption.substr(back.view.wordsCaption.find("\r\n")),
              "\r\n\r\n122.0474 Cubic Inches equals 2.  Liters");
}

}  // namespace
}  // namespace calc::test
