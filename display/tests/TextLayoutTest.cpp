#include "display/TextLayout.h"

#include "display/tests/TestNumbers.h"

#include <gtest/gtest.h>

#include <string>

namespace display {
namespace {

// Digits 7 px, "," and "." 3, space 4, anything else 6.
CharWidths testWidths()
{
    CharWidths w;
    w.digit = 7;
    w.ascii.fill(6);
    w.ascii[','] = w.ascii['.'] = 3;
    w.ascii[' '] = 4;
    w.other = [](char32_t) { return 9.0; };
    return w;
}

double widthOf(const std::string& s)
{
    const CharWidths w = testWidths();
    double sum = 0;
    for (char c : s)
        sum += c >= '0' && c <= '9' ? w.digit : w.ascii[static_cast<unsigned char>(c)];
    return sum;
}

std::string lineOf(const std::string& text, const TextLayout& l, std::int64_t line)
{
    return text.substr(static_cast<std::size_t>(l.lineStart(line)),
                       static_cast<std::size_t>(l.lineEnd(line) - l.lineStart(line)));
}

// Where a break may fall in a display string: after a "," of the whole
// part, or after every third fraction digit.
bool breakAllowed(const std::string& number, std::size_t at)
{
    const std::size_t point = number.find('.');
    if (point == std::string::npos || at <= point)
        return at > 0 && number[at - 1] == ',';
    return (at - point - 1) % 3 == 0 && at > point + 1;
}

TEST(TextLayout, NumbersBreakOnlyBetweenGroupsAndFillTheirLines)
{
    const struct {
        std::string text;
        bool breakAfterCommas;
    } texts[] = {
        {GroupedDigits(1) + ".", true},
        {GroupedDigits(4), true},
        {GroupedDigits(10), true},  // a short number, broken after its commas when asked
        {GroupedDigits(1000) + ".", false},
        {"-" + GroupedDigits(999) + "." + std::string(500, '1') + "2", false},
        {"3." + GroupedDigits(3000).substr(0, 1) + std::string(4000, '5'), false},
        {GroupedDigits(100'000), true},
    };
    for (double width : {60.0, 100.0, 333.0, 1000.0}) {
        for (const auto& t : texts) {
            TextLayout l;
            l.scan(t.text, testWidths(), t.breakAfterCommas);
            l.layout(width);
            SCOPED_TRACE(std::to_string(t.text.size()) + " chars at " + std::to_string(width));
            std::string joined;
            for (std::int64_t line = 0; line < l.lineCount(); ++line) {
                const std::string s = lineOf(t.text, l, line);
                ASSERT_FALSE(s.empty()) << line;
                joined += s;
                EXPECT_LE(widthOf(s), width) << s;
                EXPECT_EQ(l.lineOf(l.lineStart(line)), line);
                EXPECT_EQ(l.lineOf(l.lineEnd(line) - 1), line);
                if (line + 1 < l.lineCount()) {
                    const auto at = static_cast<std::size_t>(l.lineEnd(line));
                    ASSERT_TRUE(breakAllowed(t.text, at)) << "broken inside a group at " << at;
                    // Greedy: the next group would not have fitted.
                    const std::string next = lineOf(t.text, l, line + 1);
                    std::size_t unit = 1;
                    while (unit < next.size() && !breakAllowed(t.text, at + unit))
                        ++unit;
                    EXPECT_GT(widthOf(s + next.substr(0, unit)), width) << s;
                }
            }
            EXPECT_EQ(joined, t.text);
        }
    }
}

TEST(TextLayout, WordsWrapAtSpacesAndLineEndsStartNewLines)
{
    const std::string text = "Twelve Thousand, Three Hundred\r\n\r\n    ---  This could take a while!  ---\nx";
    TextLayout l;
    l.scan(text, testWidths(), false);
    l.layout(60);
    std::vector<std::string> lines;
    for (std::int64_t i = 0; i < l.lineCount(); ++i)
        lines.push_back(lineOf(text, l, i));
    const std::vector<std::string> expected = {"Twelve ", "Thousand, ", "Three ",  "Hundred\r\n", "\r\n",  "    ---  ",
                                               "This ",   "could ",     "take a ", "while!  ",    "---\n", "x"};
    EXPECT_EQ(lines, expected);
    // A text that ends with a line end has an empty last line.
    l.scan("12\n", testWidths(), false);
    l.layout(120);
    EXPECT_EQ(l.lineCount(), 2);
    EXPECT_EQ(l.lineStart(1), 3);
    l.scan("", testWidths(), false);
    l.layout(120);
    EXPECT_EQ(l.lineCount(), 1);
    EXPECT_EQ(l.lineEnd(0), 0);
}

TEST(TextLayout, LongNumbersAreAFewRunsAndMixedTextStaysWhole)
{
    const struct {
        std::string text;
        std::size_t maxRuns;
    } rows[] = {
        {GroupedDigits(1'000'000) + ".", 4},
        {"-0." + std::string(999'999, '7'), 4},
        {"1000000 Factorial = " + GroupedDigits(300'000) + ".", 8},
        // An edit inside a number leaves a handful of runs more, not one per group.
        {GroupedDigits(3000).insert(1500, "9") + "." + std::string(3000, '4').insert(77, "x"), 14},
        // Letters without spaces are cut too, never inside a UTF-8 character.
        {std::string(100, 'a') + "\xC2\xB3" + std::string(100, 'b'), 16},
    };
    for (const auto& r : rows) {
        TextLayout l;
        l.scan(r.text, testWidths(), false);
        EXPECT_LE(l.runCount(), r.maxRuns) << r.text.substr(0, 30);
        l.layout(200);
        std::string joined;
        for (std::int64_t line = 0; line < l.lineCount(); ++line) {
            const std::string s = lineOf(r.text, l, line);
            EXPECT_FALSE(s.empty());
            EXPECT_NE(static_cast<unsigned char>(s[0]) & 0xC0, 0x80) << "a line starts inside a character";
            joined += s;
        }
        EXPECT_EQ(joined, r.text);
    }
}

}  // namespace
}  // namespace display
