// Readout formatting, the operand rules and the history tape.
#include "calc/Format.h"
#include "calc/History.h"
#include "calc/tests/Harness.h"

namespace calc::test {
namespace {

// Columns: input, display string, whole-number format.
TEST(Format, ReferenceVectors)
{
    const std::vector<Lines> rows = ReadVectors("format_vectors.txt");
    EXPECT_GT(rows.size(), 100u);
    for (const Lines& r : rows) {
        ASSERT_EQ(r.size(), 3u);
        EXPECT_EQ(AddCommas(r[0]), r[1]) << r[0];
        EXPECT_EQ(AddCommas(r[1]), r[1]) << "grouping again changes nothing: " << r[1];
        EXPECT_EQ(WholeNumberFormat(r[0]), r[2]) << r[0];
        EXPECT_EQ(WholeNumberFormat(r[1]), r[2]) << r[1];
    }
}

// Texts the vectors do not reach: odd input, signs, rounding carries.
TEST(Format, EdgeCases)
{
    struct Group {
        const char* name;
        std::string (*apply)(std::string_view);
        std::vector<std::pair<std::string, std::string>> cases;  // input, result
    };
    const std::vector<Group> groups = {
        {"AddCommas",
         AddCommas,
         {{"", ""},
          {"-", "-"},
          {".", "0"},
          {"1,2345", "12,345"},
          {"12.", "12"},
          {"-.5", "-0.5"},
          {"-0.", "-0"},
          {"abcd", "a,bcd"},
          {"1.2.3", "1.2.3"}}},
        {"WholeNumberFormat",
         WholeNumberFormat,
         {{"1,234", "1234."},
          {"2.4", "2."},
          {"9.5", "10."},
          {"-9.5", "-10."},
          {"-0.4", "0."},
          {"", ""},
          {"-", "-"},
          {"1.2.3", "1.2.3"},
          {"--5", "--5"},
          {"-0-5", "-0-5"},
          {std::string(40, '9') + ".5", "1" + std::string(40, '0') + "."}}},
        {"ResultText",
         ResultText,
         {{"36", "36."}, {"1000", "1,000."}, {"-3", "-3."}, {".5", "0.5"}, {"8.", "8"}, {"", "."}, {"-0", "-0."}}},
        {"PlainNumericForm",
         PlainNumericForm,
         {{"007", "7"},
          {"2.50", "2.5"},
          {"-0", "0"},
          {"5.", "5"},
          {".5", "0.5"},
          {"0.000", "0"},
          {"-", "0"},
          {"100", "100"},
          {"-012.340", "-12.34"}}},
        {"ToOperand",
         ToOperand,
         {{"5.", "5."},
          {"-0", "-0"},
          {"1,234.5", "1234.5"},
          {"", "0"},
          {"-.", "0"},
          {"12a4", "124"},
          {"1.2.3", "1.23"},
          {"-4-2", "-42"}}},
        {"IsDisplayString",
         [](std::string_view v) { return std::string(IsDisplayString(v) ? "yes" : "no"); },
         {{"", "yes"},
          {"-", "yes"},
          {"-1,234.5", "yes"},
          {"0,001,234", "yes"},
          {".5", "yes"},
          {"1000", "no"},
          {"1,23", "no"},
          {",123", "no"},
          {"1,,234", "no"},
          {"1x", "no"},
          {"1.2.3", "no"},
          {"--5", "no"},
          {"1,234,", "no"}}},
        {"IsZeroValue",
         [](std::string_view v) { return std::string(IsZeroValue(v) ? "zero" : "not zero"); },
         {{"", "zero"}, {"-0", "zero"}, {"0.000", "zero"}, {"0.0001", "not zero"}, {"-5", "not zero"}}},
        {"FilterDigitsAndPoints", FilterDigitsAndPoints, {{" -12 345\r\nab.6", "12345.6"}, {"abc", ""}}},
    };
    for (const Group& g : groups) {
        for (const auto& [in, out] : g.cases)
            EXPECT_EQ(g.apply(in), out) << g.name << "(\"" << in << "\")";
    }
}

TEST(HistoryTape, NewestFirstEachLineFollowedByTwoLineBreaks)
{
    HistoryTape t;
    EXPECT_EQ(t.str(), "");
    const std::string digits(5000, '7');
    for (int i = 0; i < 2000; ++i) {
        t.prepend(std::to_string(i) + " = " + digits);
        if (i == 1) {
            EXPECT_EQ(t.str(), "1 = " + digits + "\r\n\r\n0 = " + digits + "\r\n\r\n");
        }
    }
    t.prepend("");
    ASSERT_EQ(t.size(), 2001u);
    EXPECT_EQ(t.line(1).substr(0, 7), "1999 = ");
    EXPECT_EQ(t.line(2000).substr(0, 4), "0 = ");
    EXPECT_EQ(t.str().substr(0, 11), "\r\n\r\n1999 = ");
    EXPECT_EQ(t.str().size(), t.length());
}

// The budget rule: over it, the oldest entries go whole (the newest always
// stays) and a closing line counts them; the tape's text is then within
// the budget unless the newest line alone is over it.
TEST(HistoryTape, BudgetRemovesOldestEntriesWhole)
{
    struct Row {
        const char* name;
        std::size_t budget;
        std::vector<std::size_t> lineLengths;  // prepended in this order
        std::size_t kept;                      // entries left
        std::size_t removed;
    };
    const std::size_t notice = TrimNotice(1).size() + kHistorySeparator.size();
    const std::vector<Row> rows = {
        {"ExactlyAtBudget", 1000, std::vector<std::size_t>(10, 96), 10, 0},
        {"OneOverTakesRoomForTheNotice", 1000, std::vector<std::size_t>(11, 96), 9, 2},
        {"NoticeFitsBesideThem", 1000 + notice, std::vector<std::size_t>(11, 96), 10, 1},
        {"NewestAloneOverBudgetStays", 10, {50}, 1, 0},
        {"NewestReplacesAll", 10, {5, 5, 50}, 1, 2},
        {"LongLineThenShortOnes", 440, {400, 10, 10, 10}, 3, 1},
        {"EmptyLines", 100, std::vector<std::size_t>(30, 0), 12, 18},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        HistoryTape t(r.budget);
        std::size_t removed = 0;
        for (std::size_t i = 0; i < r.lineLengths.size(); ++i)
            removed += t.prepend(std::string(r.lineLengths[i], 'x'));
        EXPECT_EQ(t.size(), r.kept);
        EXPECT_EQ(t.removed(), r.removed);
        EXPECT_EQ(removed, r.removed);
        EXPECT_EQ(t.str().size(), t.length());
        EXPECT_TRUE(t.length() <= r.budget || t.size() == 1);
        for (std::size_t i = 0; i < t.size(); ++i)
            EXPECT_EQ(t.line(i).size(), r.lineLengths[r.lineLengths.size() - 1 - i]) << "entry " << i;
        const std::string end = r.removed == 0 ? "" : TrimNotice(r.removed) + "\r\n\r\n";
        EXPECT_EQ(t.str().substr(t.str().size() - end.size()), end);
    }
    EXPECT_EQ(TrimNotice(3), "--- 3 older entries removed to save memory ---");
}

}  // namespace
}  // namespace calc::test
