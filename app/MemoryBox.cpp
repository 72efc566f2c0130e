#include "app/MemoryBox.h"

#include "calc/Format.h"

#include <QFontMetricsF>

#include <algorithm>

namespace app {

namespace {

constexpr char16_t kEllipsis = u'\u2026';

std::size_t digitCount(std::string_view value)
{
    return static_cast<std::size_t>(
        std::count_if(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; }));
}

// The lines of s from line first (of kTipLine characters) up to line end.
void appendLines(std::string& out, std::string_view s, std::size_t first, std::size_t end)
{
    for (std::size_t line = first; line < end; ++line) {
        out += s.substr(line * kTipLine, kTipLine);
        out += '\n';
    }
}

}  // namespace

std::string DigitCountText(std::string_view value)
{
    const std::size_t n = digitCount(value);
    return calc::AddCommas(std::to_string(n)) + (n == 1 ? " digit" : " digits");
}

std::string MemoryTip(std::string_view value)
{
    const std::size_t lines = (value.size() + kTipLine - 1) / kTipLine;
    std::string tip;
    if (value.size() <= kTipWhole) {
        tip.reserve(value.size() + lines + 32);
        appendLines(tip, value, 0, lines);
    } else {
        tip.reserve((kTipHead + kTipTail) * (kTipLine + 1) + 48);
        appendLines(tip, value, 0, kTipHead);
        tip += "\u2026\n";
        appendLines(tip, value, lines - kTipTail, lines);
    }
    tip += DigitCountText(value);
    return tip;
}

MemoryBox::MemoryBox(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    // The text follows the width, never the other way round.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void MemoryBox::setValue(std::string value)
{
    value_ = std::move(value);
    // Counted once per value, not on every resize.
    count_ = QString::fromStdString("  (" + DigitCountText(value_) + ")");
    tip_ = QString::fromStdString(MemoryTip(value_));
    refresh();
}

void MemoryBox::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    refresh();
}

void MemoryBox::refresh()
{
    const QFontMetricsF fm(font());
    const qreal room = contentsRect().width() - 1;  // a pixel for rounding
    // Only as many characters as the narrowest of them could fill are ever
    // converted and measured (a UTF-8 character has at most four bytes).
    qreal narrowest = fm.horizontalAdvance(QChar('0'));
    for (char c : std::string_view("0123456789.-,"))
        narrowest = std::min(narrowest, fm.horizontalAdvance(QChar(c)));
    const auto fitting = static_cast<std::size_t>(std::max(room, 0.0) / std::max(narrowest, 1.0)) + 1;
    const QString head = QString::fromUtf8(value_.data(), static_cast<qsizetype>(std::min(value_.size(), 4 * fitting)));
    if (value_.size() <= fitting && fm.horizontalAdvance(head) <= room) {
        cut_ = false;
        setText(head);
        setToolTip(QString());
        return;
    }
    cut_ = true;
    const qreal left = room - fm.horizontalAdvance(count_) - fm.horizontalAdvance(QChar(kEllipsis));
    qreal used = 0;
    qsizetype n = 0;
    for (; n < head.size(); ++n) {
        used += fm.horizontalAdvance(head[n]);
        if (used > left)
            break;
    }
    setText(head.left(n) + QChar(kEllipsis) + count_);
    setToolTip(tip_);
}

}  // namespace app
