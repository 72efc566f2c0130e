#include "display/NumberView.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>
#include <unordered_map>

namespace display {
namespace {

constexpr int kMargin = 4;    // around the text, inside the frame
constexpr double kSlack = 2;  // pixels a line keeps free for rounding and kerning
// The editor copies a shared text ahead, on another thread, from this size.
constexpr std::size_t kCopyAheadFrom = 1 << 20;

bool continuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

NumberView::NumberView(QWidget* parent, Qt::Alignment alignment, Kind kind)
    : QAbstractScrollArea(parent), kind_(kind), alignment_(alignment)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(kind == Text ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOn);
    verticalScrollBar()->setSingleStep(1);
    viewport()->setCursor(kind == Editor ? Qt::IBeamCursor : Qt::ArrowCursor);
    // Only the editor takes the keyboard; the others leave it where it is.
    setFocusPolicy(kind == Editor ? Qt::StrongFocus : Qt::NoFocus);
    if (kind == Text)
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    if (kind != Tape)
        entries_.emplace_back();
    rebuildWidths();
    relayout();
}

NumberView::~NumberView()
{
    if (ownCopy_.valid())
        ownCopy_.wait();
}

// ---- content ----------------------------------------------------------------

void NumberView::setBreakAfterCommas(bool on)
{
    if (breakAfterCommas_ == on)
        return;
    breakAfterCommas_ = on;
    for (Entry& e : entries_)
        rescan(e);
    laidOutFor_ = -1;
    relayout();
}

void NumberView::setVisibleLines(int lines) { setFixedHeight(lines * lineHeight() + 2 * kMargin + 2 * frameWidth()); }

void NumberView::setDisplayText(std::string text) { setEntry(std::make_shared<std::string>(std::move(text)), true); }

void NumberView::setDisplayText(std::shared_ptr<const std::string> text)
{
    setEntry(text ? std::move(text) : std::make_shared<const std::string>(), false);
}

void NumberView::setEntry(std::shared_ptr<const std::string> text, bool owned)
{
    if (kind_ == Tape)
        return;
    if (ownCopy_.valid())
        ownCopy_.wait();  // it reads the text it was started for
    ownCopy_ = {};
    if (kind_ == Editor && !owned && text->size() >= kCopyAheadFrom)
        ownCopy_ = std::async(std::launch::async, [text] { return std::make_shared<std::string>(*text); });
    Entry& e = entries_.front();
    e.text = std::move(text);
    e.owned = owned;
    undo_.clear();
    redo_.clear();
    undoBytes_ = 0;
    rescan(e);
    e.bytesUpTo = static_cast<std::int64_t>(e.text->size());
    anchor_ = cursor_ = 0;
    laidOutFor_ = -1;
    relayout();
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

const std::string& NumberView::text() const
{
    static const std::string none;
    return kind_ == Tape ? none : *entries_.front().text;
}

std::shared_ptr<const std::string> NumberView::sharedText() const
{
    return kind_ == Tape ? std::make_shared<const std::string>() : entries_.front().text;
}

std::string NumberView::takeText()
{
    if (kind_ == Tape)
        return {};
    Entry& e = entries_.front();
    std::string out;
    if (e.owned && e.text.use_count() == 1)
        out = std::move(const_cast<std::string&>(*e.text));  // a non-const string made here
    else if (ownCopy_.valid())
        out = std::move(*ownCopy_.get());
    else
        out = *e.text;
    setDisplayText(std::string());
    return out;
}

QString NumberView::displayText() const { return QString::fromUtf8(bytes(0, length())); }

void NumberView::prependLine(std::string line) { addEntry(std::make_shared<const std::string>(std::move(line)), true); }

void NumberView::prependLine(std::shared_ptr<const std::string> line)
{
    addEntry(line ? std::move(line) : std::make_shared<const std::string>(), true);
}

void NumberView::appendLine(std::string line) { addEntry(std::make_shared<const std::string>(std::move(line)), false); }

// The running counts go up from the bottom, and only their differences
// count: an entry on top counts on from the top entry's, one at the bottom
// ends where the bottom entry begins, so no other entry changes.
void NumberView::addEntry(std::shared_ptr<const std::string> line, bool onTop)
{
    if (kind_ != Tape)
        return;
    const bool wasEmpty = entries_.empty();
    Entry e;
    e.text = std::move(line);
    rescan(e);
    e.layout.layout(textWidth());
    const std::int64_t bytes = static_cast<std::int64_t>(e.text->size()) + separatorBytes();
    const std::int64_t lines = e.layout.lineCount() + separatorLines();
    if (wasEmpty) {
        e.bytesUpTo = bytes;
        e.linesUpTo = lines;
    } else if (onTop) {
        e.bytesUpTo = entries_.front().bytesUpTo + bytes;
        e.linesUpTo = entries_.front().linesUpTo + lines;
    } else {
        e.bytesUpTo = entries_.back().bytesUpTo - entryBytes(entries_.size() - 1);
        e.linesUpTo = entries_.back().linesUpTo - entryLines(entries_.size() - 1);
    }
    if (onTop)
        entries_.push_front(std::move(e));
    else
        entries_.push_back(std::move(e));
    lines_ = entries_.front().linesUpTo - (entries_.back().linesUpTo - entryLines(entries_.size() - 1));
    if (!onTop) {
        // Below everything: positions from the top stay where they were.
        updateScrollBar();
        viewport()->update();
        return;
    }
    if (hasSelection()) {
        anchor_ += bytes;
        cursor_ += bytes;
    } else {
        anchor_ = cursor_ = 0;
    }
    updateScrollBar();
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

void NumberView::removeOldest(std::size_t count)
{
    if (kind_ != Tape)
        return;
    for (; count > 0 && !entries_.empty(); --count)
        entries_.pop_back();
    lines_ = entries_.empty()
                 ? 0
                 : entries_.front().linesUpTo - (entries_.back().linesUpTo - entryLines(entries_.size() - 1));
    anchor_ = std::min(anchor_, length());
    cursor_ = std::min(cursor_, length());
    updateScrollBar();
    viewport()->update();
}

std::int64_t NumberView::length() const
{
    if (entries_.empty())
        return 0;
    return entries_.front().bytesUpTo - (entries_.back().bytesUpTo - entryBytes(entries_.size() - 1));
}

std::int64_t NumberView::entryBytes(std::size_t i) const
{
    return static_cast<std::int64_t>(entries_[i].text->size()) + separatorBytes();
}

std::int64_t NumberView::entryLines(std::size_t i) const { return entries_[i].layout.lineCount() + separatorLines(); }

// The entry that holds a line (lines) or a position, and the line or
// position where it begins: the first entry whose span ends after at.
NumberView::Place NumberView::entryAt(std::int64_t at, bool lines) const
{
    const auto upTo = [&](std::size_t i) { return lines ? entries_[i].linesUpTo : entries_[i].bytesUpTo; };
    const auto size = [&](std::size_t i) { return lines ? entryLines(i) : entryBytes(i); };
    const std::int64_t topUpTo = upTo(0);
    std::size_t lo = 0, hi = entries_.size() - 1;
    while (lo < hi) {
        const std::size_t mid = (lo + hi) / 2;
        if (topUpTo - upTo(mid) + size(mid) <= at)
            lo = mid + 1;
        else
            hi = mid;
    }
    return {lo, topUpTo - upTo(lo)};
}

NumberView::Place NumberView::entryAtLine(std::int64_t line) const { return entryAt(line, true); }

NumberView::Place NumberView::entryAtPos(std::int64_t pos) const { return entryAt(pos, false); }

std::pair<std::int64_t, std::int64_t> NumberView::lineSpan(std::int64_t line) const
{
    if (entries_.empty())
        return {0, 0};
    const Place at = entryAtLine(line);
    const Entry& e = entries_[at.entry];
    const std::int64_t top = entries_.front().bytesUpTo - e.bytesUpTo;
    const std::int64_t local = line - at.top;
    const std::string& text = *e.text;
    const auto size = static_cast<std::int64_t>(text.size());
    if (local >= e.layout.lineCount())  // the empty line after a tape entry
        return {top + size + 1, top + size + 1};
    const std::int64_t s = e.layout.lineStart(local);
    std::int64_t end = e.layout.lineEnd(local);
    if (end > s && text[static_cast<std::size_t>(end - 1)] == '\n') {
        --end;
        if (end > s && text[static_cast<std::size_t>(end - 1)] == '\r')
            --end;
    }
    return {top + s, top + end};
}

std::int64_t NumberView::lineOfPos(std::int64_t pos) const
{
    if (entries_.empty())
        return 0;
    const Place at = entryAtPos(pos);
    const Entry& e = entries_[at.entry];
    const std::int64_t topLine = entries_.front().linesUpTo - e.linesUpTo;
    const std::int64_t local = pos - at.top;
    if (local > static_cast<std::int64_t>(e.text->size()))
        return topLine + e.layout.lineCount();
    return topLine + e.layout.lineOf(local);
}

// The bytes shown from position from to position to, separators as "\n\n"
// and "\r\n" as "\n".
std::string NumberView::bytes(std::int64_t from, std::int64_t to) const
{
    std::string out;
    if (entries_.empty() || from >= to)
        return out;
    out.reserve(static_cast<std::size_t>(to - from));
    for (std::size_t i = entryAtPos(from).entry; i < entries_.size(); ++i) {
        const std::int64_t top = entries_.front().bytesUpTo - entries_[i].bytesUpTo;
        if (top >= to)
            break;
        const std::string& text = *entries_[i].text;
        const auto size = static_cast<std::int64_t>(text.size());
        const std::int64_t a = std::max<std::int64_t>(from - top, 0);
        const std::int64_t b = std::min<std::int64_t>(to - top, size);
        if (b > a)
            out.append(text, static_cast<std::size_t>(a), static_cast<std::size_t>(b - a));
        for (std::int64_t k = size; k < size + separatorBytes(); ++k)
            if (k >= from - top && k < to - top)
                out += '\n';
    }
    if (out.find('\r') != std::string::npos) {
        std::size_t w = 0;
        for (std::size_t r = 0; r < out.size(); ++r)
            if (!(out[r] == '\r' && r + 1 < out.size() && out[r + 1] == '\n'))
                out[w++] = out[r];
        out.resize(w);
    }
    return out;
}

QString NumberView::selectedText() const { return QString::fromUtf8(bytes(selectionStart(), selectionEnd())); }

QString NumberView::lineText(std::int64_t line) const
{
    if (line < 0 || line >= lines_)
        return {};
    const auto [s, e] = lineSpan(line);
    return QString::fromUtf8(bytes(s, e));
}

std::int64_t NumberView::topLine() const { return verticalScrollBar()->value(); }

// ---- layout -----------------------------------------------------------------

void NumberView::rebuildWidths()
{
    const QFontMetricsF fm(font());
    widths_.digit = 0;
    for (char d = '0'; d <= '9'; ++d)
        widths_.digit = std::max(widths_.digit, fm.horizontalAdvance(QChar(d)));
    for (int c = 0; c < 128; ++c)
        widths_.ascii[static_cast<std::size_t>(c)] = c >= 32 && c < 127 ? fm.horizontalAdvance(QChar(c)) : 0;
    auto cache = std::make_shared<std::unordered_map<char32_t, double>>();
    widths_.other = [fm, cache](char32_t cp) {
        auto [it, added] = cache->try_emplace(cp, 0.0);
        if (added)
            it->second = fm.horizontalAdvance(QString::fromUcs4(&cp, 1));
        return it->second;
    };
}

void NumberView::rescan(Entry& e) const { e.layout.scan(*e.text, widths_, breakAfterCommas_); }

int NumberView::lineHeight() const
{
    return std::max(1, static_cast<int>(std::ceil(QFontMetricsF(font()).lineSpacing())));
}

double NumberView::textWidth() const { return std::max(1.0, viewport()->width() - 2.0 * kMargin - kSlack); }

void NumberView::relayout()
{
    const double width = textWidth();
    if (width != laidOutFor_) {
        std::int64_t upTo = 0;
        for (std::size_t i = entries_.size(); i-- > 0;) {
            entries_[i].layout.layout(width);
            upTo += entryLines(i);
            entries_[i].linesUpTo = upTo;
        }
        laidOutFor_ = width;
    }
    lines_ = kind_ == Tape ? (entries_.empty() ? 0 : entries_.front().linesUpTo) : entries_.front().layout.lineCount();
    updateScrollBar();
}

void NumberView::updateScrollBar()
{
    const int visible = std::max(1, (viewport()->height() - 2 * kMargin) / lineHeight());
    const std::int64_t max = std::clamp<std::int64_t>(lines_ - visible, 0, INT_MAX);
    QScrollBar* bar = verticalScrollBar();
    bar->setPageStep(visible);
    bar->setRange(0, static_cast<int>(max));
}

double NumberView::firstLineY() const
{
    const int lh = lineHeight();
    const int visible = std::max(1, (viewport()->height() - 2 * kMargin) / lh);
    if ((alignment_ & Qt::AlignVCenter) && lines_ < visible)
        return (viewport()->height() - static_cast<double>(lines_ * lh)) / 2;
    return kMargin;
}

double NumberView::lineX(const QString& line) const
{
    if (alignment_ & (Qt::AlignRight | Qt::AlignHCenter)) {
        const double free = viewport()->width() - 2.0 * kMargin - QFontMetricsF(font()).horizontalAdvance(line);
        return kMargin + std::max(0.0, (alignment_ & Qt::AlignRight) ? free : free / 2);
    }
    return kMargin;
}

// The x of position pos on line, in viewport coordinates.
double NumberView::xOf(std::int64_t line, std::int64_t pos) const
{
    const auto [s, e] = lineSpan(line);
    const QString text = QString::fromUtf8(bytes(s, e));
    const std::int64_t at = std::clamp(pos, s, e);
    return lineX(text) + QFontMetricsF(font()).horizontalAdvance(QString::fromUtf8(bytes(s, at)));
}

// The position nearest to point: a character boundary on the line under it.
std::int64_t NumberView::posAt(const QPoint& point) const
{
    if (lines_ == 0)
        return 0;
    const std::int64_t line = std::clamp<std::int64_t>(
        topLine() + static_cast<std::int64_t>(std::floor((point.y() - firstLineY()) / lineHeight())), 0, lines_ - 1);
    const auto [s, e] = lineSpan(line);
    const std::string shown = bytes(s, e);
    if (shown.size() != static_cast<std::size_t>(e - s))  // a "\r" inside a line: no finer than its ends
        return point.x() < viewport()->width() / 2 ? s : e;
    const QFontMetricsF fm(font());
    const double x = point.x() - lineX(QString::fromStdString(shown));
    std::int64_t best = s;
    double bestDistance = std::abs(x);
    for (std::size_t k = 1; k <= shown.size(); ++k) {
        if (k < shown.size() && continuationByte(shown[k]))
            continue;
        const double d = std::abs(x - fm.horizontalAdvance(QString::fromUtf8(shown.data(), static_cast<qsizetype>(k))));
        if (d < bestDistance) {
            bestDistance = d;
            best = s + static_cast<std::int64_t>(k);
        }
    }
    return best;
}

// ---- painting -----------------------------------------------------------------

void NumberView::paintEvent(QPaintEvent*)
{
    QPainter p(viewport());
    const QFontMetricsF fm(font());
    const int lh = lineHeight();
    const QPalette& pal = palette();
    p.setFont(font());
    const std::int64_t selStart = selectionStart(), selEnd = selectionEnd();
    double y = firstLineY();
    const std::int64_t caretLine = kind_ == Editor && caretShown_ && hasFocus() ? lineOfPos(cursor_) : -1;
    for (std::int64_t line = topLine(); line < lines_ && y < viewport()->height(); ++line, y += lh) {
        const auto [s, e] = lineSpan(line);
        const QString text = QString::fromUtf8(bytes(s, e));
        const double x = lineX(text);
        const double baseline = y + fm.ascent();
        p.setPen(pal.color(QPalette::Text));
        p.drawText(QPointF(x, baseline), text);
        const std::int64_t a = std::max(selStart, s), b = std::min(selEnd, e);
        if (a < b || (selStart <= e && selEnd > e)) {
            const double x1 = x + fm.horizontalAdvance(QString::fromUtf8(bytes(s, a)));
            // A selected line end shows as a little more highlight.
            const double x2 = x + fm.horizontalAdvance(QString::fromUtf8(bytes(s, std::max(a, b)))) +
                              (selEnd > e && selStart <= e ? fm.horizontalAdvance(' ') / 2 : 0);
            const QRectF band(x1, y, x2 - x1, lh);
            p.fillRect(band, pal.brush(QPalette::Highlight));
            p.save();
            p.setClipRect(band);
            p.setPen(pal.color(QPalette::HighlightedText));
            p.drawText(QPointF(x, baseline), text);
            p.restore();
        }
        if (line == caretLine) {
            const double cx = x + fm.horizontalAdvance(QString::fromUtf8(bytes(s, std::clamp(cursor_, s, e))));
            p.fillRect(QRectF(cx, y, 1.5, lh), pal.brush(QPalette::Text));
        }
    }
}

void NumberView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    // Keep the first line shown in view where the width changes the lines.
    const std::int64_t top = lines_ > 0 ? lineSpan(topLine()).first : 0;
    relayout();
    if (lines_ > 0 && top > 0)
        verticalScrollBar()->setValue(static_cast<int>(std::min<std::int64_t>(lineOfPos(top), INT_MAX)));
}

void NumberView::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        rebuildWidths();
        for (Entry& e : entries_)
            rescan(e);
        laidOutFor_ = -1;
        relayout();
    }
}

void NumberView::scrollContentsBy(int, int) { viewport()->update(); }

// ---- selection and the clipboard -------------------------------------------------

void NumberView::setCursorPosition(std::int64_t pos, bool select)
{
    cursor_ = std::clamp<std::int64_t>(pos, 0, length());
    if (!select)
        anchor_ = cursor_;
    restartBlink();
    viewport()->update();
}

void NumberView::selectAll()
{
    anchor_ = 0;
    cursor_ = length();
    viewport()->update();
}

void NumberView::copy()
{
    if (hasSelection())
        QGuiApplication::clipboard()->setText(selectedText());
}

void NumberView::cut()
{
    if (kind_ != Editor || !hasSelection())
        return;
    copy();
    edit(selectionStart(), selectionEnd(), {});
}

void NumberView::paste()
{
    if (kind_ != Editor)
        return;
    const QByteArray pasted = QGuiApplication::clipboard()->text().toUtf8();
    insert(std::string_view(pasted.constData(), static_cast<std::size_t>(pasted.size())));
}

void NumberView::insert(std::string_view text)
{
    if (kind_ == Editor)
        edit(selectionStart(), selectionEnd(), text);
}

// Replaces the bytes from .. to with with; the cursor follows the new text.
void NumberView::undo()
{
    if (kind_ != Editor || undo_.empty())
        return;
    Change c = std::move(undo_.back());
    undo_.pop_back();
    edit(c.at, c.at + static_cast<std::int64_t>(c.inserted.size()), c.removed, false);
    redo_.push_back(std::move(c));
}

void NumberView::redo()
{
    if (kind_ != Editor || redo_.empty())
        return;
    Change c = std::move(redo_.back());
    redo_.pop_back();
    edit(c.at, c.at + static_cast<std::int64_t>(c.removed.size()), c.inserted, false);
    undo_.push_back(std::move(c));
}

void NumberView::edit(std::int64_t from, std::int64_t to, std::string_view with, bool keep)
{
    Entry& e = entries_.front();
    if (!e.owned || e.text.use_count() != 1) {
        e.text = ownCopy_.valid() ? ownCopy_.get() : std::make_shared<std::string>(*e.text);
        e.owned = true;
    }
    // Owned: the object is a non-const std::string made here.
    auto& text = const_cast<std::string&>(*e.text);
    if (keep) {
        for (const Change& c : redo_)
            undoBytes_ -= c.removed.size() + c.inserted.size();
        redo_.clear();
        undo_.push_back({from, text.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from)),
                         std::string(with)});
        undoBytes_ += undo_.back().removed.size() + undo_.back().inserted.size();
        while (undo_.size() > 1 && undoBytes_ > undoBudget_) {
            undoBytes_ -= undo_.front().removed.size() + undo_.front().inserted.size();
            undo_.pop_front();
        }
    }
    text.replace(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from), with);
    rescan(e);
    e.bytesUpTo = static_cast<std::int64_t>(text.size());
    laidOutFor_ = -1;
    relayout();
    anchor_ = cursor_ = from + static_cast<std::int64_t>(with.size());
    ensureCursorVisible();
    restartBlink();
    viewport()->update();
    emit textEdited();
}

std::int64_t NumberView::nextChar(std::int64_t pos) const
{
    const std::string& t = *entries_.front().text;
    const auto n = static_cast<std::int64_t>(t.size());
    if (pos >= n)
        return n;
    if (t[static_cast<std::size_t>(pos)] == '\r' && pos + 1 < n && t[static_cast<std::size_t>(pos + 1)] == '\n')
        return pos + 2;
    ++pos;
    while (pos < n && continuationByte(t[static_cast<std::size_t>(pos)]))
        ++pos;
    return pos;
}

std::int64_t NumberView::prevChar(std::int64_t pos) const
{
    const std::string& t = *entries_.front().text;
    if (pos <= 0)
        return 0;
    if (t[static_cast<std::size_t>(pos - 1)] == '\n' && pos >= 2 && t[static_cast<std::size_t>(pos - 2)] == '\r')
        return pos - 2;
    --pos;
    while (pos > 0 && continuationByte(t[static_cast<std::size_t>(pos)]))
        --pos;
    return pos;
}

void NumberView::ensureCursorVisible()
{
    const std::int64_t line = lineOfPos(cursor_);
    const int visible = verticalScrollBar()->pageStep();
    if (line < topLine())
        verticalScrollBar()->setValue(static_cast<int>(line));
    else if (line >= topLine() + visible)
        verticalScrollBar()->setValue(static_cast<int>(std::min<std::int64_t>(line - visible + 1, INT_MAX)));
}

// ---- mouse ------------------------------------------------------------------------

void NumberView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    setCursorPosition(posAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
    selecting_ = true;
    event->accept();
}

void NumberView::mouseMoveEvent(QMouseEvent* event)
{
    if (!selecting_ || !(event->buttons() & Qt::LeftButton))
        return;
    // Dragging past the top or the bottom scrolls a line per move.
    const QPoint at = event->position().toPoint();
    QScrollBar* bar = verticalScrollBar();
    if (at.y() < 0)
        bar->setValue(bar->value() - 1);
    else if (at.y() > viewport()->height())
        bar->setValue(bar->value() + 1);
    setCursorPosition(posAt(at), true);
    event->accept();
}

void NumberView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        selecting_ = false;
        event->accept();
        return;
    }
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void NumberView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The double-click is the window's shortcut; the editor also selects
    // the word under the pointer.
    event->accept();
    selecting_ = false;
    if (kind_ == Editor) {
        const std::string& t = *entries_.front().text;
        const auto pos = static_cast<std::size_t>(posAt(event->position().toPoint()));
        const std::size_t before = pos == 0 ? std::string::npos : t.find_last_of(" \r\n", pos - 1);
        const std::size_t after = t.find_first_of(" \r\n", pos);
        anchor_ = before == std::string::npos ? 0 : static_cast<std::int64_t>(before + 1);
        cursor_ = after == std::string::npos ? static_cast<std::int64_t>(t.size()) : static_cast<std::int64_t>(after);
        viewport()->update();
    }
    emit doubleClicked();
}

void NumberView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    if (kind_ == Editor) {
        menu.addAction("&Undo", this, &NumberView::undo)->setEnabled(!undo_.empty());
        menu.addAction("&Redo", this, &NumberView::redo)->setEnabled(!redo_.empty());
        menu.addSeparator();
        menu.addAction("Cu&t", this, &NumberView::cut)->setEnabled(hasSelection());
        menu.addAction("&Copy", this, &NumberView::copy)->setEnabled(hasSelection());
        menu.addAction("&Paste", this, &NumberView::paste)->setEnabled(!QGuiApplication::clipboard()->text().isEmpty());
        menu.addAction("Delete", this, [this] { insert({}); })->setEnabled(hasSelection());
        menu.addSeparator();
    } else {
        menu.addAction("&Copy", this, &NumberView::copy)->setEnabled(hasSelection());
    }
    menu.addAction("Select All", this, &NumberView::selectAll)->setEnabled(length() > 0);
    menu.exec(event->globalPos());
}

// ---- keyboard ----------------------------------------------------------------------

void NumberView::keyPressEvent(QKeyEvent* event)
{
    const struct {
        QKeySequence::StandardKey key;
        bool editorOnly;
        void (NumberView::*run)();
    } commands[] = {
        {QKeySequence::SelectAll, false, &NumberView::selectAll},
        {QKeySequence::Copy, false, &NumberView::copy},
        {QKeySequence::Cut, true, &NumberView::cut},
        {QKeySequence::Paste, true, &NumberView::paste},
        {QKeySequence::Undo, true, &NumberView::undo},
        {QKeySequence::Redo, true, &NumberView::redo},
    };
    for (const auto& c : commands) {
        if (event == c.key && (kind_ == Editor || !c.editorOnly)) {
            (this->*c.run)();
            return;
        }
    }
    if (kind_ != Editor) {
        QAbstractScrollArea::keyPressEvent(event);  // the scroll keys
        return;
    }
    switch (event->key()) {
    case Qt::Key_Backspace:
        if (hasSelection())
            insert({});
        else if (cursor_ > 0)
            edit(prevChar(cursor_), cursor_, {});
        return;
    case Qt::Key_Delete:
        if (hasSelection())
            insert({});
        else if (cursor_ < length())
            edit(cursor_, nextChar(cursor_), {});
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter: insert("\n"); return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: moveCursorBy(event); return;
    default: break;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
        std::all_of(typed.begin(), typed.end(), [](QChar c) { return c.isPrint(); })) {
        const QByteArray utf8 = typed.toUtf8();
        insert(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
        return;
    }
    event->ignore();  // Escape, Tab and the like are the window's
}

void NumberView::moveCursorBy(QKeyEvent* event)
{
    const bool select = event->modifiers() & Qt::ShiftModifier;
    const bool control = event->modifiers() & Qt::ControlModifier;
    const std::int64_t line = lineOfPos(cursor_);
    std::int64_t to = cursor_;
    const auto onLine = [this](std::int64_t target, double x) {
        target = std::clamp<std::int64_t>(target, 0, lines_ - 1);
        QScrollBar* bar = verticalScrollBar();
        // posAt reads the line under a point: put the line in view first.
        if (target < bar->value() || target >= bar->value() + bar->pageStep())
            bar->setValue(static_cast<int>(std::clamp<std::int64_t>(target - bar->pageStep() / 2, 0, INT_MAX)));
        const double y = firstLineY() + static_cast<double>((target - topLine()) * lineHeight()) + lineHeight() / 2.0;
        return posAt(QPoint(static_cast<int>(std::lround(x)), static_cast<int>(y)));
    };
    switch (event->key()) {
    case Qt::Key_Left: to = hasSelection() && !select ? selectionStart() : prevChar(cursor_); break;
    case Qt::Key_Right: to = hasSelection() && !select ? selectionEnd() : nextChar(cursor_); break;
    case Qt::Key_Home: to = control ? 0 : lineSpan(line).first; break;
    case Qt::Key_End: to = control ? length() : lineSpan(line).second; break;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        const std::int64_t step = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down
                                      ? 1
                                      : std::max(1, verticalScrollBar()->pageStep());
        const bool up = event->key() == Qt::Key_Up || event->key() == Qt::Key_PageUp;
        const std::int64_t target = up ? line - step : line + step;
        if (target < 0)
            to = 0;
        else if (target >= lines_)
            to = length();
        else
            to = onLine(target, xOf(line, cursor_));
        break;
    }
    default: break;
    }
    setCursorPosition(to, select);
    ensureCursorVisible();
}

// ---- caret -----------------------------------------------------------------------

void NumberView::restartBlink()
{
    if (kind_ != Editor)
        return;
    caretShown_ = hasFocus();
    if (blinkTimer_)
        killTimer(blinkTimer_);
    blinkTimer_ = 0;
    const int flash = QApplication::cursorFlashTime();
    if (hasFocus() && flash > 0)
        blinkTimer_ = startTimer(flash / 2);
}

void NumberView::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != blinkTimer_) {
        QAbstractScrollArea::timerEvent(event);
        return;
    }
    caretShown_ = !caretShown_;
    viewport()->update();
}

void NumberView::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    restartBlink();
    viewport()->update();
}

void NumberView::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    restartBlink();
    viewport()->update();
}

}  // namespace display
