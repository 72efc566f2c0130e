#include "app/TextBreaks.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace app {
namespace {

// The longest stretch of characters with neither a space nor a break point.
qsizetype longestUnbroken(const QString& s)
{
    qsizetype longest = 0, run = 0;
    for (QChar c : s) {
        run = (c.isSpace() || c == kBreak) ? 0 : run + 1;
        longest = std::max(longest, run);
    }
    return longest;
}

TEST(TextBreaks, LongWordsGetBreakPointsShortOnesOnlyAfterCommasWhenAsked)
{
    const QString digits60 = QString("1234567890").repeated(6);
    const QString grouped = "9" + QString(",876").repeated(20);  // 61 characters
    const struct {
        QString text;
        bool afterEveryComma;
        qsizetype longest;  // at most, once the break points are in
        bool unchanged;
    } rows[] = {
        {"12 X 3 = 36.", false, 3, true},
        {"1,234,567.", false, 10, true},
        {"1,234,567.", true, 4, false},
        {"0." + digits60, false, 5, false},
        {"-" + digits60, false, 4, false},
        {grouped + "." + digits60.left(10), false, 7, false},  // "876.123"
        {digits60 + " X 2 = 2,469,135,780.", false, 14, false},  // the short word as it was
        {QString("x").repeated(60), false, 60, true},  // nothing to break: no digits, no commas
    };
    for (const auto& r : rows) {
        const QString b = WithBreakPoints(r.text, r.afterEveryComma);
        EXPECT_EQ(WithoutBreakPoints(b), r.text) << r.text.toStdString();
        EXPECT_EQ(b == r.text, r.unchanged) << r.text.toStdString();
        EXPECT_LE(longestUnbroken(b), r.longest) << r.text.toStdString();
        EXPECT_FALSE(b.contains(QString(2, kBreak))) << r.text.toStdString();
        EXPECT_FALSE(b.startsWith(kBreak) || b.endsWith(kBreak)) << r.text.toStdString();
    }
}

TEST(TextBreaks, DigitGroupsStayWhole)
{
    // A grouped number breaks only after its commas, never inside a group.
    const QString n = "1" + QString(",000").repeated(30);
    EXPECT_EQ(WithBreakPoints(n, false), "1" + (QString(",") + kBreak + "000").repeated(30));
}

}  // namespace
}  // namespace app
