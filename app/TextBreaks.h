// Invisible break points for long numbers in wrapped text.
//
// Qt's word wrap looks for the end of the word from every line start, so
// laying out a word of n characters costs about n^2: a 500,000-digit fraction
// without a break opportunity held the window for minutes. WithBreakPoints
// puts a zero-width space (kBreak) after every "," and, in any word longer
// than kLongWord characters, after every third digit of a run of digits that
// goes on; a line then wraps between digit groups and the layout stays
// linear. WithoutBreakPoints gives back the text as it was.
#pragma once

#include <QString>

namespace app {

inline constexpr QChar kBreak{0x200B};
inline constexpr qsizetype kLongWord = 48;

QString WithBreakPoints(const QString& text, bool afterEveryComma);
QString WithoutBreakPoints(QString text);

}  // namespace app
