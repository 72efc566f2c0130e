// How the main window lays itself out: the boxes that grow with it, the
// conversion panel's room, the memory box with long values, whole lines in
// the words box, the Tab order and Backspace.
#include "app/tests/CalcWindow.h"

#include "app/MemoryBox.h"
#include "app/WholeLines.h"

#include <QAction>
#include <QImage>

#include <algorithm>
#include <map>

namespace app {
namespace {

class Layout : public CalcWindow {
protected:
    void settle() { QCoreApplication::processEvents(); }
    void resizeTo(QSize size)
    {
        w->resize(size);
        settle();
    }
    void toggleConvert()
    {
        action("mnuConvert")->trigger();
        settle();
    }
    void paste(const std::string& text)
    {
        fake.clipboardText = text;
        click("cmdPaste");
        settle();
    }
    // No part of a further line shows below the last whole one: with a long
    // number of ones in the box (no descenders), its bottom rows are as blank
    // as its top margin.
    void expectWholeLines(const char* name)
    {
        auto* box = find<display::NumberView>(name);
        box->setDisplayText(std::string(3000, '1'));
        settle();
        const QImage image = box->viewport()->grab().toImage();
        ASSERT_GT(image.height(), 4);
        int inked = 0;
        for (int y = image.height() - 2; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                inked += image.pixel(x, y) != image.pixel(x, 0);
        EXPECT_EQ(inked, 0) << name << " at window height " << w->height();
    }
    // The lines a box in a WholeLines holder shows.
    int lines(const char* name) { return static_cast<WholeLines*>(find(name)->parentWidget())->lines(); }
    std::map<std::string, QRect> keypad()
    {
        std::map<std::string, QRect> keys;
        for (QPushButton* b : find("keypad")->findChildren<QPushButton*>())
            keys[b->objectName().toStdString()] = QRect(b->mapTo(w.get(), QPoint(0, 0)), b->size());
        return keys;
    }
    // Names of the controls Tab (or Shift+Tab) visits from the focus sink
    // until it comes back round.
    std::vector<std::string> tabCycle(bool backwards)
    {
        type("1");  // a digit puts the focus on the sink
        std::vector<std::string> seen;
        for (int i = 0; i < 100; ++i) {
            key(backwards ? Qt::Key_Backtab : Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
            const std::string name = QApplication::focusWidget()->objectName().toStdString();
            if (!seen.empty() && name == seen.front())
                break;
            seen.push_back(name);
        }
        return seen;
    }
};

std::string digits(std::size_t n)
{
    std::string s;
    for (std::size_t i = 0; i < n; ++i)
        s += static_cast<char>('1' + i % 9);
    return s;
}

TEST_F(Layout, BoxesGrowWithTheWindowAndTheKeypadStays)
{
    resizeTo(w->minimumSize());
    const QSize readout = find("txtReadout")->size(), words = find("lbltxtNum")->size(),
                tape = find("txtHistory")->size();
    const auto keys = keypad();
    resizeTo(QSize(1400, 900));
    for (const auto& [name, before] :
         std::map<const char*, QSize>{{"txtReadout", readout}, {"lbltxtNum", words}, {"txtHistory", tape}}) {
        const QSize after = find(name)->size();
        EXPECT_GT(after.width(), before.width() + 500) << name;
        EXPECT_GT(after.height(), before.height() + 50) << name;
    }
    const auto grown = keypad();
    for (const auto& [name, rect] : keys) {
        EXPECT_EQ(grown.at(name).size(), rect.size()) << name;
        EXPECT_EQ(grown.at(name).x(), rect.x()) << name;  // still at the left edge, in its column
    }
    resizeTo(QSize(100, 100));  // no smaller than the minimum
    EXPECT_EQ(w->size(), w->minimumSize());
    EXPECT_EQ(find("txtReadout")->size(), readout);
    EXPECT_EQ(keypad(), keys);
}

TEST_F(Layout, MinimumSizeShowsEverything)
{
    toggleConvert();
    resizeTo(QSize(100, 100));
    const QRect window = w->centralWidget()->rect();
    for (QWidget* c : w->centralWidget()->findChildren<QWidget*>()) {
        // Named controls only; the focus sink lies outside on purpose.
        if (!c->isVisible() || c->objectName().isEmpty() || c->objectName() == "cmdSetFocus")
            continue;
        const QRect r(c->mapTo(w->centralWidget(), QPoint(0, 0)), c->size());
        EXPECT_TRUE(window.contains(r)) << c->objectName().toStdString();
    }
    EXPECT_EQ(lines("txtReadout"), 2);
    EXPECT_EQ(lines("lbltxtNum"), 4);
}

TEST_F(Layout, MaximisedShowsMoreOfALongNumber)
{
    paste(digits(10000));
    const int before = lines("txtReadout");
    const QSize small = w->size();
    w->showMaximized();
    settle();
    ASSERT_GT(w->height(), small.height());
    EXPECT_GT(lines("txtReadout"), 2 * before);
    expectWholeLines("txtReadout");
}

TEST_F(Layout, WordsAndReadoutShowWholeLinesOnly)
{
    const int minimum = w->minimumHeight();
    for (int h = minimum; h < minimum + 120; h += 7) {
        resizeTo(QSize(w->width(), h));
        expectWholeLines("lbltxtNum");
        expectWholeLines("txtReadout");
    }
}

TEST_F(Layout, HidingThePanelGivesItsRoomBack)
{
    for (const QSize size : {w->minimumSize(), QSize(760, 520)}) {
        resizeTo(size);
        const QSize readout = find("txtReadout")->size();
        const int height = w->height();
        toggleConvert();
        EXPECT_TRUE(find("picConversionOptions")->isVisible());
        EXPECT_GT(w->height(), height + 100);
        EXPECT_EQ(find("txtReadout")->size(), readout);  // the window grew for the panel
        toggleConvert();
        EXPECT_FALSE(find("picConversionOptions")->isVisible());
        EXPECT_EQ(w->height(), height);
        EXPECT_EQ(find("txtReadout")->size(), readout);
    }
}

TEST_F(Layout, MaximisedWindowLendsThePanelRoomAndTakesItBack)
{
    w->showMaximized();
    settle();
    const QSize window = w->size(), tape = find("txtHistory")->size();
    toggleConvert();
    EXPECT_EQ(w->size(), window);
    EXPECT_LT(find("txtHistory")->height(), tape.height());
    toggleConvert();
    EXPECT_EQ(w->size(), window);
    EXPECT_EQ(find("txtHistory")->size(), tape);
}

TEST_F(Layout, LongMemoryIsShownCutWithItsDigitCount)
{
    auto* memory = find<MemoryBox>("lblMem");
    const std::string value = digits(3000);
    paste(value);
    click("cmdMemStore");
    const QString shown = memory->text();
    ASSERT_TRUE(memory->isCut());
    EXPECT_TRUE(shown.endsWith(QString::fromUtf8("\u2026  (3,000 digits)"))) << shown.toStdString();
    const QString head = shown.left(shown.indexOf(QChar(0x2026)));
    EXPECT_GT(head.size(), 5);
    EXPECT_TRUE(QString::fromStdString(value).startsWith(head));
    QStringList tip = memory->toolTip().split('\n');
    EXPECT_EQ(tip.takeLast(), "3,000 digits");
    EXPECT_EQ(tip.join(QString()).toStdString(), value + ".");  // as stored from the readout "...,123."

    resizeTo(QSize(1400, w->height()));  // a wider window shows more of it
    EXPECT_GT(memory->text().indexOf(QChar(0x2026)), head.size() + 50);

    paste("8");
    click("cmdMemStore");  // short again: whole, without tooltip
    EXPECT_FALSE(memory->isCut());
    EXPECT_EQ(memory->text(), "8.");
    EXPECT_TRUE(memory->toolTip().isEmpty());
}

TEST(MemoryTip, WholeUpToTheCapThenHeadAndTail)
{
    EXPECT_EQ(DigitCountText("-1."), "1 digit");
    EXPECT_EQ(DigitCountText("1234567.89"), "9 digits");
    EXPECT_EQ(MemoryTip("12.5"), "12.5\n3 digits");
    const std::string whole = digits(kTipWhole);
    const std::string tip = MemoryTip(whole);
    EXPECT_EQ(std::count(tip.begin(), tip.end(), '\n'), static_cast<long>(kTipWhole / kTipLine));
    std::string joined = tip;
    std::erase(joined, '\n');
    EXPECT_EQ(joined, whole + "4,000 digits");

    const std::string huge = digits(3'000'001);
    const std::string capped = MemoryTip(huge);
    EXPECT_LT(capped.size(), (kTipHead + kTipTail + 2) * (kTipLine + 1));
    EXPECT_EQ(capped.substr(0, kTipHead * (kTipLine + 1)).find('\n'), kTipLine);
    EXPECT_NE(capped.find("\n\u2026\n"), std::string::npos);
    // The last lines are the value's last: 3,000,001 = 37,500 lines of 80 and one digit.
    const std::size_t lastLines = huge.size() - kTipLine - 1;
    EXPECT_NE(
        capped.find(huge.substr(lastLines, kTipLine) + "\n" + huge.substr(huge.size() - 1) + "\n3,000,001 digits"),
        std::string::npos);
}

TEST_F(Layout, TabFollowsTheVisualOrder)
{
    const std::vector<std::string> pads = {
        "cmdMemStore", "cmdMemAdd", "cmdMemSub", "Cancel",        "CancelEntry", "Percent",      "Operator0",
        "Number7",     "Number8",   "Number9",   "Operator2",     "Number4",     "Number5",      "Number6",
        "Operator3",   "Number1",   "Number2",   "Number3",       "Operator1",   "Number0",      "Decimal",
        "Operator4",   "cmdSquare", "cmdCube",   "cmdSquareRoot", "cmdCubeRoot", "cmdToPowerOf", "cmdFactorial",
        "cmdMod",      "cmdLog",    "cmdPi",     "cmdEulers",     "cmdPaste"};
    EXPECT_EQ(tabCycle(false), pads);  // MR and MC are disabled, the panel hidden
    std::vector<std::string> backwards(pads.rbegin(), pads.rend());
    EXPECT_EQ(tabCycle(true), backwards);

    click("cmdMemStore");
    toggleConvert();
    std::vector<std::string> all = pads;
    all.insert(all.begin() + 1, {"cmdMemRecall", "cmdMemClear"});
    all.insert(all.end(), {"cmdMmToIn", "cmdCmToFt", "cmdMtToYd", "CmdKmToMile", "cmdMlToOz", "cmdLitToQt",
                           "cmdLitToGal", "cmdLitToCuIn", "cmdGmToOZ", "cmdKgToLb", "cmdCToF", "optDirection"});
    EXPECT_EQ(tabCycle(false), all);
}

// Backspace through the window, as typed.
struct Back {
    const char* keys;  // "\b" is Backspace; see CalcWindow::type
    const char* readout;
};

void PrintTo(const Back& b, std::ostream* os) { *os << ::testing::PrintToString(std::string(b.keys)); }

class Backspace : public CalcWindow, public ::testing::WithParamInterface<Back> {};

TEST_P(Backspace, TakesBackTypedCharactersOnly)
{
    type(GetParam().keys);
    EXPECT_EQ(readout(), GetParam().readout);
}

// What Backspace takes back is the engine's (calc/tests); here only that the
// key reaches it from the sink and from a focused button, and stops at a result.
INSTANTIATE_TEST_SUITE_P(Window, Backspace,
                         ::testing::Values(Back{"12345\b", "1,234"}, Back{"5+3=\b", "8."}, Back{"12[Number5]\b", "1"}));

}  // namespace
}  // namespace app
