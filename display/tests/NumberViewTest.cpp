#include "display/NumberView.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

#include "display/tests/TestNumbers.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace display {
namespace {

class NumberViewTest : public ::testing::Test {
protected:
    std::unique_ptr<NumberView> make(NumberView::Kind kind, Qt::Alignment alignment, int width, int height)
    {
        auto v = std::make_unique<NumberView>(nullptr, alignment, kind);
        QFont f = v->font();
        f.setPointSizeF(14);
        f.setBold(true);
        v->setFont(f);
        v->resize(width, height);
        v->show();
        QCoreApplication::processEvents();
        return v;
    }
    // The point before character chars of line, half-way down the line, in
    // a left-aligned view with the line in view.
    static QPoint at(const NumberView& v, std::int64_t line, int chars)
    {
        const QFontMetricsF fm(v.font());
        const double y = 4 + (static_cast<double>(line - v.topLine()) + 0.5) * std::ceil(fm.lineSpacing());
        return QPoint(static_cast<int>(std::lround(4 + fm.horizontalAdvance(v.lineText(line).left(chars)))),
                      static_cast<int>(y));
    }
};

// A grouped number at several widths and lengths: the lines read as the
// number, each fits the view, and each but the first starts with a whole
// group.
TEST_F(NumberViewTest, NumbersShowWholeGroupsOnLinesThatFit)
{
    const QRegularExpression wholeGroups("^(\\d{3},)*\\d{3}[,.]?$");
    for (int width : {120, 257, 600}) {
        auto v = make(NumberView::Text, Qt::AlignRight | Qt::AlignVCenter, width, 200);
        v->setBreakAfterCommas(true);
        const QFontMetricsF fm(v->font());
        for (std::size_t digits : {1u, 4u, 10u, 1000u, 100'000u}) {
            const std::string n = GroupedDigits(digits) + ".";
            v->setDisplayText(n);
            SCOPED_TRACE(std::to_string(digits) + " digits, " + std::to_string(width) + " px");
            EXPECT_EQ(v->displayText().toStdString(), n);
            QString joined;
            const std::int64_t lines = v->lineCount();
            for (std::int64_t line = 0; line < lines; ++line) {
                const QString s = v->lineText(line);
                joined += s;
                EXPECT_LE(fm.horizontalAdvance(s), v->viewport()->width() - 8) << s.toStdString();
                if (line > 0) {
                    EXPECT_TRUE(wholeGroups.match(s).hasMatch()) << s.toStdString();
                }
            }
            EXPECT_EQ(joined.toStdString(), n);
            EXPECT_EQ(v->verticalScrollBar()->maximum() > 0, lines > v->verticalScrollBar()->pageStep());
        }
    }
}

// Select all, and a drag over two lines: the copy is exactly the text
// selected, with nothing where the lines wrap.
TEST_F(NumberViewTest, SelectionsCopyExactlyTheTextHeld)
{
    auto v = make(NumberView::Text, Qt::AlignLeft | Qt::AlignTop, 300, 200);
    const std::string n = "-" + GroupedDigits(20'000) + "." + std::string(3000, '9');
    v->setDisplayText(n);
    v->selectAll();
    v->copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), n);

    // Scrolled to the middle: from the 2nd character of a line to the 3rd
    // of the line below.
    QScrollBar* bar = v->verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    const std::int64_t top = v->topLine();
    const QString first = v->lineText(top), second = v->lineText(top + 1);
    QTest::mousePress(v->viewport(), Qt::LeftButton, {}, at(*v, top, 2));
    QTest::mouseMove(v->viewport(), at(*v, top + 1, 3));
    QTest::mouseRelease(v->viewport(), Qt::LeftButton, {}, at(*v, top + 1, 3));
    EXPECT_EQ(v->selectedText(), first.mid(2) + second.left(3));
    std::size_t from = 2;
    for (std::int64_t line = 0; line < top; ++line)
        from += static_cast<std::size_t>(v->lineText(line).size());
    EXPECT_EQ(v->selectionStart(), static_cast<std::int64_t>(from));
    v->copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), n.substr(from, first.size() - 2 + 3));

    // Words: line ends are copied as "\n".
    v->setDisplayText("Twelve\r\n    ---  This could take a while!  ---");
    EXPECT_FALSE(v->hasSelection());
    v->selectAll();
    EXPECT_EQ(v->selectedText(), "Twelve\n    ---  This could take a while!  ---");
    EXPECT_EQ(v->lineText(0), "Twelve");
}

TEST_F(NumberViewTest, TapePutsEntriesOnTopAndCopiesThemInOrder)
{
    auto v = make(NumberView::Tape, Qt::AlignLeft | Qt::AlignTop, 240, 300);
    const std::string longLine = "100000 Factorial = " + GroupedDigits(456'574) + ".";
    v->prependLine("12 X 3 = 36.");
    EXPECT_EQ(v->displayText(), "12 X 3 = 36.\n\n");
    v->prependLine(longLine);
    v->prependLine("2 + 2 = 4.");
    const QString all = "2 + 2 = 4.\n\n" + QString::fromStdString(longLine) + "\n\n12 X 3 = 36.\n\n";
    EXPECT_EQ(v->displayText(), all);
    v->selectAll();
    EXPECT_EQ(v->selectedText(), all);
    EXPECT_EQ(v->lineText(0), "2 + 2 = 4.");
    EXPECT_EQ(v->lineText(1), "");
    EXPECT_TRUE(v->lineText(2).startsWith("100000 "));
    EXPECT_EQ(v->lineText(v->lineCount() - 2), "12 X 3 = 36.");
    EXPECT_GT(v->lineCount(), 1000);

    // A selection stays on its text when an entry comes on top.
    v->setCursorPosition(0);
    v->setCursorPosition(5, true);
    EXPECT_EQ(v->selectedText(), "2 + 2");
    v->prependLine("1 + 1 = 2.");
    EXPECT_EQ(v->selectedText(), "2 + 2");
    EXPECT_EQ(v->topLine(), 0);

    // The oldest go from the bottom and a closing line goes under the
    // rest; the selection stays, and entries still come on top.
    v->removeOldest(2);
    EXPECT_EQ(v->entryCount(), 2u);
    EXPECT_EQ(v->displayText(), "1 + 1 = 2.\n\n2 + 2 = 4.\n\n");
    v->appendLine("--- 2 removed ---");
    EXPECT_EQ(v->selectedText(), "2 + 2");
    v->prependLine("0 + 0 = 0.");
    EXPECT_EQ(v->displayText(), "0 + 0 = 0.\n\n1 + 1 = 2.\n\n2 + 2 = 4.\n\n--- 2 removed ---\n\n");
    EXPECT_EQ(v->lineCount(), 8);
    EXPECT_EQ(v->lineText(6), "--- 2 removed ---");
    v->removeOldest(5);
    EXPECT_EQ(v->displayText(), "");
    EXPECT_EQ(v->lineCount(), 0);
}

// Keys, mouse and clipboard on a 2,000,000-digit number, against the same
// edits made to a string.
TEST_F(NumberViewTest, EditorEditsLongNumbersAsAStringWould)
{
    auto v = make(NumberView::Editor, Qt::AlignLeft | Qt::AlignTop, 500, 300);
    std::string expected = GroupedDigits(2'000'000) + ".";
    v->setDisplayText(expected);
    v->setFocus();
    int edits = 0;
    QObject::connect(v.get(), &NumberView::textEdited, [&] { ++edits; });

    const std::size_t middle = expected.size() / 2;
    v->setCursorPosition(static_cast<std::int64_t>(middle));
    QTest::keyClicks(v.get(), "42");
    expected.insert(middle, "42");
    QTest::keyClick(v.get(), Qt::Key_Backspace);
    expected.erase(middle + 1, 1);
    QTest::keyClick(v.get(), Qt::Key_Delete);
    expected.erase(middle + 1, 1);
    QTest::keyClick(v.get(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(v.get(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(v.get(), '7');  // replaces the two selected
    expected.replace(middle - 1, 2, "7");
    EXPECT_EQ(v->text(), expected);

    QGuiApplication::clipboard()->setText("1,000");
    QTest::keyClick(v.get(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(v.get(), Qt::Key_V, Qt::ControlModifier);
    expected += "1,000";
    QTest::keyClick(v.get(), Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(v.get(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(v.get(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(v.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), expected.substr(0, 2));
    expected.erase(0, 2);
    EXPECT_EQ(v->text(), expected);
    EXPECT_EQ(edits, 7);

    // Down a line keeps the column; the view follows the cursor to the end.
    QTest::keyClick(v.get(), Qt::Key_Down);
    EXPECT_EQ(v->cursorPosition(), v->lineText(0).size());
    QTest::keyClick(v.get(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(v->cursorPosition(), static_cast<std::int64_t>(expected.size()));
    EXPECT_EQ(v->topLine(), v->verticalScrollBar()->maximum());
    EXPECT_TRUE(v->lineText(v->lineCount() - 1).endsWith("1,000"));

    // Ctrl+A and a typed digit: the whole text is replaced; undo brings it
    // back, redo replaces it again.
    QTest::keyClick(v.get(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(v.get(), '5');
    EXPECT_EQ(v->text(), "5");
    EXPECT_EQ(v->lineCount(), 1);
    QTest::keyClick(v.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(v->text(), expected);
    QTest::keyClick(v.get(), Qt::Key_Z, Qt::ControlModifier);  // the cut
    QTest::keyClick(v.get(), Qt::Key_Z, Qt::ControlModifier);  // the paste
    expected.insert(0, QGuiApplication::clipboard()->text().toStdString());
    expected.erase(expected.size() - 5);
    EXPECT_EQ(v->text(), expected);
    QTest::keyClick(v.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);  // the paste again
    EXPECT_EQ(v->text(), expected + "1,000");
}

// Undo keeps the latest edits that fit its budget, and the latest one
// always, even alone over it.
TEST_F(NumberViewTest, UndoForgetsTheOldestEditsPastItsBudget)
{
    auto v = make(NumberView::Editor, Qt::AlignLeft | Qt::AlignTop, 500, 300);
    v->setUndoBudget(12);
    v->setDisplayText(std::string("0"));
    v->setCursorPosition(1);
    for (const char* typed : {"12345", "67890", "abc"})  // 5 + 5 + 3 bytes
        v->insert(typed);
    for (int i = 0; i < 3; ++i)
        v->undo();
    EXPECT_EQ(v->text(), "012345");
    v->redo();
    v->redo();
    EXPECT_EQ(v->text(), "01234567890abc");
    v->setUndoBudget(1);
    v->selectAll();
    v->insert("7");
    v->undo();
    v->undo();
    EXPECT_EQ(v->text(), "01234567890abc");
}

}  // namespace
}  // namespace display
