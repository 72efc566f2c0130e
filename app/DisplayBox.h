// The main window's read-only text displays: the readout, the words label
// and the history tape. They stay selectable and quick with numbers of
// millions of digits.
//
// Text is shown as set, with invisible break points (TextBreaks.h), and Qt
// wraps it at the box's width. A line longer than kPackFrom characters is
// instead cut here into lines that fit the box, each a block of its own:
// Qt lays out only the blocks in view, so a 5,000,000-digit number costs a
// fraction of a second instead of several seconds and gigabytes of layout.
// Blocks made this way are marked as continuing the one before; the text as
// set (displayText) and copied selections join them again.
#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <QStringList>

#include <string>

class QFont;

namespace app {

inline constexpr qsizetype kPackFrom = 2000;

// line cut into pieces no wider than width in font, after a ",", a
// space or three digits of a longer run; a piece that fits nowhere stands
// alone. Joined, the pieces are line again.
QStringList PackLine(const QString& line, const QFont& font, int width);

class DisplayBox : public QPlainTextEdit {
    Q_OBJECT
public:
    DisplayBox(QWidget* parent, Qt::Alignment alignment, QTextOption::WrapMode wrap);
    void setDisplayText(const std::string& text);  // CR LF shown as line breaks
    // The text as set (without the invisible break points).
    QString displayText() const;
    // Lets numbers wrap after every "," (long words get break points anyway).
    void setBreakAfterCommas(bool on);
    // Fixes the height to show this many lines of the current font.
    void setVisibleLines(int lines);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fill();

    QString text_;
    bool breakAfterCommas_ = false;
    int packedFor_ = -1;  // the width the text was cut for; -1 when Qt wraps it
};

// The history tape, newest line first.
class TapeBox : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;
    // Puts line and an empty line above everything on the tape.
    void prependLine(const QString& line);
    QString displayText() const;

protected:
    QMimeData* createMimeDataFromSelection() const override;
};

}  // namespace app
