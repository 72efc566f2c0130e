// Readout formatting, the operand rules and the history tape.
#include "calc/Format.h"
#include "calc/History.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace calc {
namespace {

struct Case {
    std::string in;
    std::string out;
};

std::vector<std::vector<std::string>> ReadVectors(const std::string& name)
{
    std::ifstream f(std::string(MEGATALLY_SOURCE_DIR) + "/calc/tests/data/" + name);
    EXPECT_TRUE(f.good()) << name;
    std::vector<std::vector<std::string>> rows;
    std::string line;
    while (std::getline(f, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> cols;
        std::stringstream ss(line);
        std::string col;
        while (std::getline(ss, col, '\t'))
            cols.push_back(col);
        rows.push_back(cols);
    }
    return rows;
}

TEST(AddCommas, ReferenceVectors)
{
    const auto rows = ReadVectors("format_vectors.txt");
    ASSERT_GT(rows.size(), 100u);
    for (const auto& r : rows) {
        ASSERT_EQ(r.size(), 3u);
        EXPECT_EQ(AddCommas(r[0]), r[1]) << r[0];
        // Grouping a display string again changes nothing.
        EXPECT_EQ(AddCommas(r[1]), r[1]) << r[1];
    }
}

TEST(AddCommas, OddTexts)
{
    const std::vector<Case> cases = {
        {"", ""}, {"-", "-"}, {".", "0"}, {"1,2345", "12,345"}, {"12.", "12"}, {"-.5", "-0.5"},
        {"1000", "1,000"}, {"-1234", "-1,234"}, {"-0.", "-0"}, {"abcd", "a,bcd"}, {"1.2.3", "1.2.3"},
        {",,,5", "5"}, {"123456.", "123,456"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AddCommas(c.in), c.out) << c.in;
}

TEST(WholeNumberFormat, ReferenceVectors)
{
    for (const auto& r : ReadVectors("format_vectors.txt")) {
        EXPECT_EQ(WholeNumberFormat(r[0]), r[2]) << r[0];
        EXPECT_EQ(WholeNumberFormat(r[1]), r[2]) << r[1];
    }
}

TEST(WholeNumberFormat, EdgeCases)
{
    const std::vector<Case> cases = {
        {"0", "0."}, {"1,234", "1234."}, {"1.5", "2."}, {"2.4", "2."}, {"-7", "-7."}, {"9.5", "10."},
        {"-9.5", "-10."}, {"-0.4", "0."}, {"0.", "0."}, {"", ""}, {"-", "-"}, {".", "."},
        {"abc", "abc"}, {"1.2.3", "1.2.3"}, {"1234567890123456789012345678901234567890",
                                             "1234567890123456789012345678901234567890."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WholeNumberFormat(c.in), c.out) << c.in;
}

TEST(ResultText, PointOnlyForWholeNumbers)
{
    const std::vector<Case> cases = {
        {"36", "36."}, {"1000", "1,000."}, {"-3", "-3."}, {".5", "0.5"}, {"8.", "8"}, {"", "."},
        {"-0", "-0."}, {"1234.5", "1,234.5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResultText(c.in), c.out) << c.in;
}

TEST(PlainNumericForm, ValueWrittenPlainly)
{
    const std::vector<Case> cases = {
        {"007", "7"}, {"2.50", "2.5"}, {"-0.50", "-0.5"}, {"-0", "0"}, {"5.", "5"}, {".5", "0.5"},
        {"0.000", "0"}, {"", "0"}, {"-", "0"}, {"100", "100"}, {"-012.340", "-12.34"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlainNumericForm(c.in), c.out) << c.in;
}

TEST(ToOperand, DecimalStringsPassOthersAreReduced)
{
    const std::vector<Case> cases = {
        {"5.", "5."}, {"007", "007"}, {"-0", "-0"}, {"1,234.5", "1234.5"}, {".5", ".5"},
        {"", "0"}, {"-", "0"}, {".", "0"}, {"-.", "0"}, {"12a4", "124"}, {"1.2.3", "1.23"},
        {"-4-2", "-42"}, {"x", "0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToOperand(c.in), c.out) << c.in;
}

TEST(IsZeroValue, AnyNonZeroDigitCounts)
{
    for (const char* z : {"", "0", "0.", "-0", ".0", "0.000", "-", "000"})
        EXPECT_TRUE(IsZeroValue(z)) << z;
    for (const char* n : {"1", "0.0001", "-5", "10", ".5"})
        EXPECT_FALSE(IsZeroValue(n)) << n;
}

TEST(FilterDigitsAndPoints, KeepsOnlyDigitsAndPoints)
{
    EXPECT_EQ(FilterDigitsAndPoints(" -12 345\r\nab.6"), "12345.6");
    EXPECT_EQ(FilterDigitsAndPoints("abc"), "");
}

TEST(HistoryTape, NewestFirstEachLineFollowedByTwoLineBreaks)
{
    HistoryTape t;
    EXPECT_EQ(t.str(), "");
    t.prepend("5 + 3 = 8.");
    EXPECT_EQ(t.str(), "5 + 3 = 8.\r\n\r\n");
    t.prepend("8 X 2 = 16.");
    EXPECT_EQ(t.str(), "8 X 2 = 16.\r\n\r\n5 + 3 = 8.\r\n\r\n");
    EXPECT_EQ(t.size(), 2u);
    EXPECT_EQ(t.line(0), "8 X 2 = 16.");
    EXPECT_EQ(t.length(), t.str().size());
    t.prepend("");
    EXPECT_EQ(t.str(), "\r\n\r\n8 X 2 = 16.\r\n\r\n5 + 3 = 8.\r\n\r\n");
}

TEST(HistoryTape, LongSessionKeepsEveryLine)
{
    HistoryTape t;
    const std::string digits(5000, '7');
    for (int i = 0; i < 2000; ++i)
        t.prepend(std::to_string(i) + " = " + digits);
    ASSERT_EQ(t.size(), 2000u);
    EXPECT_EQ(t.line(0).substr(0, 7), "1999 = ");
    EXPECT_EQ(t.line(1999).substr(0, 4), "0 = ");
    const std::string& all = t.str();
    EXPECT_EQ(all.size(), t.length());
    EXPECT_EQ(all.substr(0, 7), "1999 = ");
    EXPECT_EQ(all.substr(all.size() - 4), "\r\n\r\n");
}

}  // namespace
}  // namespace calc
