// One view for long numbers and the texts around them: the readout, the
// words label and the history tape of the main window, and the zoom
// window's box.
//
// The view holds its text once, as UTF-8 bytes, and never a document or a
// string per line: lines are found arithmetically (TextLayout) and only the
// lines in view are turned into strings and painted. A number of sixteen
// million digits costs its bytes and a few runs.
//
// Three kinds:
// - Text: one text, "\r\n" or "\n" ending its lines (setDisplayText).
// - Tape: entries newest first, each followed by an empty line
//   (prependLine); adding or removing one costs only its own length.
// - Editor: one text with a cursor, typed into, pasted into and cut from.
// All can be scrolled, selected with the mouse and copied; a copy is the
// text as held, line ends as "\n", nothing added where lines wrap.
#pragma once

#include "display/TextLayout.h"

#include <QAbstractScrollArea>
#include <QString>

#include <cstdint>
#include <deque>
#include <future>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace display {

// The most text an editor keeps for undo: 128 MiB.
inline constexpr std::size_t kUndoBudget = std::size_t{1} << 27;

class NumberView : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum Kind { Text, Tape, Editor };

    explicit NumberView(QWidget* parent = nullptr, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop,
                        Kind kind = Text);
    ~NumberView() override;

    Kind kind() const { return kind_; }
    bool isReadOnly() const { return kind_ != Editor; }
    // Editor: the undo budget in bytes (kUndoBudget unless set).
    void setUndoBudget(std::size_t bytes) { undoBudget_ = bytes; }
    // Lets short numbers wrap after every "," too (long ones always may).
    void setBreakAfterCommas(bool on);
    // Fixes the height to show this many lines of the current font.
    void setVisibleLines(int lines);

    // Text and Editor: the whole text. A copy of the bytes, or none when
    // moved in or shared; the view scrolls to the top and the selection is
    // dropped. The editor edits a copy of a shared text, made on another
    // thread as soon as it is set; the first edit waits for it if need be.
    void setDisplayText(std::string text);
    void setDisplayText(std::shared_ptr<const std::string> text);
    // Text and Editor: the text as held.
    const std::string& text() const;
    // Text: the text as held, to be set again later without a copy.
    std::shared_ptr<const std::string> sharedText() const;
    // Text and Editor: hands the text over (moved when the view's own) and
    // leaves the view empty.
    std::string takeText();
    // The text as one string, "\n" for every line end; a tape's entries each
    // followed by "\n\n".
    QString displayText() const;

    // Tape: puts line (and an empty line after it) on top of the tape.
    void prependLine(std::string line);
    void prependLine(std::shared_ptr<const std::string> line);
    // Tape: removes the count oldest entries from the bottom.
    void removeOldest(std::size_t count);
    // Tape: puts line (and an empty line after it) at the bottom, under the
    // oldest entry. Costs its own length, like prependLine.
    void appendLine(std::string line);
    std::size_t entryCount() const { return entries_.size(); }

    // Positions are byte offsets from the top of everything shown.
    std::int64_t length() const;
    std::int64_t selectionStart() const { return std::min(anchor_, cursor_); }
    std::int64_t selectionEnd() const { return std::max(anchor_, cursor_); }
    bool hasSelection() const { return anchor_ != cursor_; }
    QString selectedText() const;
    std::int64_t cursorPosition() const { return cursor_; }
    // Moves the cursor, with or without extending the selection.
    void setCursorPosition(std::int64_t pos, bool select = false);
    std::int64_t lineCount() const { return lines_; }
    // The first line shown.
    std::int64_t topLine() const;
    // The text of one line as shown (without its line end).
    QString lineText(std::int64_t line) const;

public slots:
    void selectAll();
    void copy();
    // Editor only.
    void cut();
    void paste();
    // Editor only: takes back the last edit, or makes it again. The edits
    // kept for this hold at most the undo budget of text, removed and
    // inserted counted: the oldest are forgotten first, the latest is
    // always kept.
    void undo();
    void redo();
    // Editor only: replaces the selection with text, as if typed.
    void insert(std::string_view text);

signals:
    void doubleClicked();
    // Editor: the user changed the text.
    void textEdited();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    struct Entry {
        std::shared_ptr<const std::string> text = std::make_shared<const std::string>();
        bool owned = false;  // text was made here: it may be changed in place while no one shares it
        TextLayout layout;
        // Running counts of bytes and lines, separators included, that grow
        // from the bottom entry up and end with this entry. Only differences
        // between entries mean anything (removed and appended entries leave
        // any base).
        std::int64_t bytesUpTo = 0;
        std::int64_t linesUpTo = 0;
    };
    struct Place {
        std::size_t entry;  // index into entries_ (0 is the top)
        std::int64_t top;   // position or line where the entry begins
    };

    std::int64_t separatorBytes() const { return kind_ == Tape ? 2 : 0; }
    std::int64_t separatorLines() const { return kind_ == Tape ? 1 : 0; }
    Place entryAt(std::int64_t at, bool lines) const;
    Place entryAtLine(std::int64_t line) const;
    Place entryAtPos(std::int64_t pos) const;
    std::int64_t entryBytes(std::size_t i) const;
    std::int64_t entryLines(std::size_t i) const;
    // Where line begins and ends, as positions; end excludes its line end.
    std::pair<std::int64_t, std::int64_t> lineSpan(std::int64_t line) const;
    std::int64_t lineOfPos(std::int64_t pos) const;
    std::string bytes(std::int64_t from, std::int64_t to) const;

    void rebuildWidths();
    void rescan(Entry& e) const;
    void setEntry(std::shared_ptr<const std::string> text, bool owned);
    void addEntry(std::shared_ptr<const std::string> text, bool onTop);
    void relayout();
    void updateScrollBar();
    double textWidth() const;
    int lineHeight() const;
    double firstLineY() const;
    double lineX(const QString& line) const;
    std::int64_t posAt(const QPoint& point) const;
    double xOf(std::int64_t line, std::int64_t pos) const;
    void ensureCursorVisible();
    // One edit, kept for undo: at what position which bytes went and came.
    struct Change {
        std::int64_t at;
        std::string removed;
        std::string inserted;
    };
    void edit(std::int64_t from, std::int64_t to, std::string_view with, bool keep = true);
    void moveCursorBy(QKeyEvent* event);
    std::int64_t nextChar(std::int64_t pos) const;
    std::int64_t prevChar(std::int64_t pos) const;
    void restartBlink();

    Kind kind_;
    Qt::Alignment alignment_;
    bool breakAfterCommas_ = false;
    CharWidths widths_;
    std::deque<Entry> entries_;  // newest (top) first
    std::int64_t lines_ = 1;
    double laidOutFor_ = -1;
    std::int64_t anchor_ = 0;
    std::int64_t cursor_ = 0;
    bool selecting_ = false;
    std::deque<Change> undo_;
    std::vector<Change> redo_;
    std::size_t undoBytes_ = 0;  // held by undo_ and redo_
    std::size_t undoBudget_ = kUndoBudget;
    std::future<std::shared_ptr<std::string>> ownCopy_;  // Editor: of a shared text, being made
    bool caretShown_ = false;
    int blinkTimer_ = 0;
};

}  // namespace display
