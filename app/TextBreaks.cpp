#include "app/TextBreaks.h"

namespace app {

QString WithBreakPoints(const QString& text, bool afterEveryComma)
{
    QString out;
    out.reserve(text.size() + text.size() / 3 + 1);
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        if (text[i].isSpace()) {
            out += text[i++];
            continue;
        }
        qsizetype end = i;
        while (end < n && !text[end].isSpace())
            ++end;
        const bool longWord = end - i > kLongWord;
        int run = 0;  // digits since the last break point
        for (; i < end; ++i) {
            const QChar c = text[i];
            out += c;
            if (c == ',') {
                run = 0;
                if (afterEveryComma || longWord)
                    out += kBreak;
            } else if (c.isDigit()) {
                if (longWord && ++run == 3 && i + 1 < end && text[i + 1].isDigit()) {
                    out += kBreak;
                    run = 0;
                }
            } else {
                run = 0;
            }
        }
    }
    return out;
}

QString WithoutBreakPoints(QString text) { return text.remove(kBreak); }

}  // namespace app
