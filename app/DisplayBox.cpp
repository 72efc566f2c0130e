#include "app/DisplayBox.h"

#include "app/TextBreaks.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace app {

namespace {

// Marks a block that continues the one before it on the same line of text.
constexpr int kContinued = 1;

// Character widths for the cut, on the safe side: every digit as wide as
// the widest, fractions of a pixel kept.
class Widths {
public:
    explicit Widths(const QFont& font) : fm_(font)
    {
        for (char d = '0'; d <= '9'; ++d)
            digit_ = std::max(digit_, fm_.horizontalAdvance(QChar(d)));
        ascii_.fill(-1);
    }
    qreal of(QChar c)
    {
        if (c.isDigit())
            return digit_;
        if (c.unicode() < ascii_.size()) {
            qreal& w = ascii_[c.unicode()];
            if (w < 0)
                w = fm_.horizontalAdvance(c);
            return w;
        }
        return fm_.horizontalAdvance(c);
    }

private:
    QFontMetricsF fm_;
    qreal digit_ = 0;
    std::array<qreal, 128> ascii_{};
};

// The text from document position from to position to, with continued
// blocks joined to the block before and other block ends as "\n".
QString joinedText(const QTextDocument* doc, int from, int to)
{
    QString out;
    for (QTextBlock b = doc->findBlock(from); b.isValid() && b.position() <= to; b = b.next()) {
        if (b.position() > from && b.userState() != kContinued)
            out += '\n';
        const int start = std::max(from, b.position()) - b.position();
        const int end = std::min(to, b.position() + b.length() - 1) - b.position();
        if (end > start)
            out += b.text().mid(start, end - start);
    }
    return WithoutBreakPoints(out);
}

QMimeData* selectionData(const QPlainTextEdit& box)
{
    const QTextCursor c = box.textCursor();
    auto* data = new QMimeData;
    data->setText(joinedText(box.document(), c.selectionStart(), c.selectionEnd()));
    return data;
}

// Lines as one text with a "\n" at every block end: each line cut to width
// when it is long, and for every block whether it continues a line.
struct Packed {
    QString text;
    std::vector<bool> continued;
};

Packed pack(const QStringList& lines, const QFont& font, int width)
{
    Packed p;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            p.text += '\n';
        const QString& line = lines[i];
        if (line.size() <= kPackFrom) {
            p.text += line;
            p.continued.push_back(false);
            continue;
        }
        const QStringList pieces = PackLine(line, font, width);
        p.text += pieces.join('\n');
        p.continued.push_back(false);
        p.continued.insert(p.continued.end(), static_cast<std::size_t>(pieces.size() - 1), true);
    }
    return p;
}

void markBlocks(QTextBlock b, const std::vector<bool>& continued)
{
    for (bool c : continued) {
        if (!b.isValid())
            return;
        b.setUserState(c ? kContinued : 0);
        b = b.next();
    }
}

// The width of a line of box's text once its vertical scroll bar shows, as
// it does for any text long enough to be cut.
int textWidth(const QPlainTextEdit& box)
{
    int w = box.viewport()->width() - static_cast<int>(std::ceil(2 * box.document()->documentMargin())) - 4;
    if (!box.verticalScrollBar()->isVisible() && box.verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        w -= box.verticalScrollBar()->sizeHint().width();
    return std::max(w, 1);
}

}  // namespace

QStringList PackLine(const QString& line, const QFont& font, int width)
{
    Widths widths(font);
    QStringList pieces;
    const qsizetype n = line.size();
    qsizetype pieceStart = 0;
    qreal pieceWidth = 0;
    const qreal room = width - 1.0;  // a pixel for rounding and kerning
    qsizetype i = 0;
    int run = 0;  // digits since the last place to cut
    while (i < n) {
        // One unit: up to and including the next place to cut.
        const qsizetype unitStart = i;
        qreal unitWidth = 0;
        for (; i < n; ++i) {
            const QChar c = line[i];
            unitWidth += widths.of(c);
            if (c == ',' || c == kBreak || c.isSpace()) {
                run = 0;
                ++i;
                break;
            }
            if (!c.isDigit()) {
                run = 0;
                continue;
            }
            if (++run == 3 && i + 1 < n && line[i + 1].isDigit()) {
                run = 0;
                ++i;
                break;
            }
        }
        if (pieceWidth + unitWidth > room && unitStart > pieceStart) {
            pieces << line.mid(pieceStart, unitStart - pieceStart);
            pieceStart = unitStart;
            pieceWidth = 0;
        }
        pieceWidth += unitWidth;
    }
    if (pieceStart < n || pieces.isEmpty())
        pieces << line.mid(pieceStart);
    return pieces;
}

// ---- DisplayBox ---------------------------------------------------------

DisplayBox::DisplayBox(QWidget* parent, Qt::Alignment alignment, QTextOption::WrapMode wrap)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setFocusPolicy(Qt::NoFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(alignment);
    option.setWrapMode(wrap);
    document()->setDefaultTextOption(option);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void DisplayBox::setBreakAfterCommas(bool on) { breakAfterCommas_ = on; }

void DisplayBox::setVisibleLines(int lines)
{
    const int lineHeight = QFontMetrics(font()).lineSpacing();
    const int margin = static_cast<int>(std::ceil(2 * document()->documentMargin()));
    setFixedHeight(lines * lineHeight + margin + 2 * frameWidth());
}

void DisplayBox::setDisplayText(const std::string& text)
{
    text_ = QString::fromStdString(text);
    fill();
}

void DisplayBox::fill()
{
    QStringList lines = text_.split("\r\n");
    const bool long_ = std::any_of(lines.begin(), lines.end(), [](const QString& l) { return l.size() > kPackFrom; });
    for (QString& l : lines)
        l = WithBreakPoints(l, breakAfterCommas_);
    const Packed p = pack(lines, font(), long_ ? textWidth(*this) : 1);
    setPlainText(p.text);
    markBlocks(document()->firstBlock(), p.continued);
    packedFor_ = long_ ? viewport()->width() : -1;
    verticalScrollBar()->setValue(0);
}

QString DisplayBox::displayText() const
{
    return joinedText(document(), 0, document()->characterCount() - 1);
}

QMimeData* DisplayBox::createMimeDataFromSelection() const { return selectionData(*this); }

void DisplayBox::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    if (packedFor_ >= 0 && packedFor_ != viewport()->width())
        fill();
}

void DisplayBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The double-click is the copy-and-zoom shortcut, not a word selection.
    event->accept();
    emit doubleClicked();
}

// ---- TapeBox ------------------------------------------------------------

void TapeBox::prependLine(const QString& line)
{
    // The line, and an empty line between it and the one that was on top.
    const Packed p = pack({WithBreakPoints(line, false), QString(), QString()}, font(),
                          textWidth(*this));
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::Start);
    cursor.insertText(p.text);
    markBlocks(document()->firstBlock(), p.continued);
    verticalScrollBar()->setValue(0);
}

QString TapeBox::displayText() const { return joinedText(document(), 0, document()->characterCount() - 1); }

QMimeData* TapeBox::createMimeDataFromSelection() const { return selectionData(*this); }

}  // namespace app
