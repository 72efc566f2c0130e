// The real main window driven by keys, clicks, menus and shortcuts, and the
// zoom and About windows it opens.
#include "app/tests/CalcWindow.h"

#include "about/FrmAbout.h"
#include "zoom/FrmZoom.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>

namespace app {
namespace {

using FrmCalcTest = CalcWindow;

TEST_F(FrmCalcTest, TitleAndPictureButtons)
{
    EXPECT_EQ(w->windowTitle().toStdString(), "Calculator for Large Numbers (Ver " MEGATALLY_PROJECT_VERSION ")");
    for (const char* name : {"cmdSquareRoot", "cmdCubeRoot", "cmdToPowerOf", "cmdPi"})
        EXPECT_FALSE(find<QPushButton>(name)->icon().isNull()) << name << " shows a picture";
    QWidget* sink = find("cmdSetFocus");  // the focus sink lies outside the visible area
    EXPECT_FALSE(sink->parentWidget()->rect().intersects(sink->geometry()));
}

// An input script (see CalcWindow::type) and what it leaves on the window.
struct Script {
    const char* keys;
    const char* readout;
    const char* history;  // null: not checked
    const char* memory = "";
    const char* message = "";  // "title: text" of the one message box shown
};

void PrintTo(const Script& s, std::ostream* os) { *os << ::testing::PrintToString(std::string(s.keys)); }

class Typed : public CalcWindow, public ::testing::WithParamInterface<Script> {};

TEST_P(Typed, LeavesReadoutHistoryAndMemory)
{
    const Script& s = GetParam();
    bool progress = false;
    duringWork([&] { return progress = find("prgWork")->isVisible(); });
    type(s.keys);
    EXPECT_FALSE(progress) << "quick work shows no progress bar";
    expectIdle();
    EXPECT_EQ(readout(), s.readout);
    EXPECT_EQ(s.history ? history() : "", s.history ? s.history : "");
    EXPECT_FALSE(*s.readout != '0' && words().isEmpty()) << "the words follow the readout";
    EXPECT_EQ(find<QLabel>("lblMem")->text(), s.memory);
    EXPECT_EQ(find<QPushButton>("cmdMemRecall")->isEnabled(), *s.memory != 0);
    EXPECT_EQ(find<QPushButton>("cmdMemClear")->isEnabled(), *s.memory != 0);
    EXPECT_EQ(messages(), s.message);
}

INSTANTIATE_TEST_SUITE_P(
    Window, Typed,
    ::testing::Values(
        Script{"", "0.", ""}, Script{"12*3=", "36.", "12 X 3 = 36.\n\n"},
        Script{"12*3=+4=", "40.", "36 + 4 = 40.\n\n12 X 3 = 36.\n\n"},
        Script{"5+3\r", "8.", "5 + 3 = 8.\n\n"},                         // Enter on the focus sink is "="
        Script{"[Operator1]2[Operator1]\n1\n", "3.", "2 + 1 = 3.\n\n"},  // Enter clicks the focused button
        Script{"5+3\x1b", "5.", ""},                                     // Escape is CE
        Script{"5+3\x1b"
               "4=",
               "9.", "5 + 4 = 9.\n\n"},
        Script{"7*2\x1b\x1b", "0.", ""},  // twice clears all
        Script{"7*2\x1b\x1b"
               "6+1=",
               "7.", "6 + 1 = 7.\n\n"},
        Script{"12xXa,", "12", ""},  // unmapped characters do nothing
        Script{"12xXa,3/4=", "30.75", "123 / 4 = 30.75\n\n"},
        Script{"{Number9}{Number9}{Number9}{Operator1}{Number1}{Operator4}", "1,000.", "999 + 1 = 1,000.\n\n"},
        Script{"999+1={Cancel}", "0.", "999 + 1 = 1,000.\n\n"},
        Script{"{Number7}{Operator0}{Number0}{Operator4}", "7.", nullptr, "", "Calculator: Can't divide by zero"},
        Script{"5+3={cmdMemStore}", "8.", "5 + 3 = 8.\n\n", "8."},
        Script{"5+3={cmdMemStore}{cmdMemClear}", "8.", "5 + 3 = 8.\n\n"},
        // Refusals come as one message and change nothing.
        Script{"2{cmdToPowerOf}1000000000000=", "1,000,000,000,000", "", "",
               "Megatally: This result would have more "
               "than 16,777,216 digits: too long to compute and show."},
        Script{"1000001{cmdFactorial}", "1,000,001", "", "",
               "Sorry: Invalid input!\r\n\r\nFactorials are limited to numbers up to 1,000,000"}));

// Menu commands, their shortcuts and the double-clicks on the two displays;
// the zoom window some of them open gets an edit and is closed.
struct Command {
    const char* name;
    const char* keys;       // typed first
    const char* clipboard;  // before the command
    std::function<void(CalcWindow&)> run;
    std::function<void(zoom::FrmZoom&)> edit;  // null: no zoom window comes up
    const char* zoomText;
    const char* readout;  // afterwards
    const char* copied;   // the clipboard afterwards; null: the readout's words
};

void PrintTo(const Command& c, std::ostream* os) { *os << c.name; }

class Commands : public CalcWindow, public ::testing::WithParamInterface<Command> {};

TEST_P(Commands, Work)
{
    const Command& c = GetParam();
    type(c.keys);
    fake.clipboardText = c.clipboard;
    QString zoomText;
    if (c.edit) {
        const bool seen = whileModal<zoom::FrmZoom>([&] { c.run(*this); },
                                                    [&](zoom::FrmZoom& z) {
                                                        zoomText =
                                                            z.findChild<display::NumberView*>("txtZoom")->displayText();
                                                        c.edit(z);
                                                        z.close();
                                                    });
        EXPECT_TRUE(seen);
        EXPECT_EQ(zoomText, c.zoomText);
    } else {
        c.run(*this);
    }
    EXPECT_EQ(readout(), c.readout);
    if (c.copied) {
        EXPECT_EQ(fake.clipboardText, c.copied);
    } else {
        EXPECT_EQ(fake.clipboardText, w->engine().ReadoutWords());
        EXPECT_FALSE(fake.clipboardText.empty());
        EXPECT_EQ(fake.clipboardText.find("and"), std::string::npos);  // the integer part only
    }
}

void doubleClick(CalcWindow& t, const char* box)
{
    QTest::mouseDClick(t.find<display::NumberView>(box)->viewport(), Qt::LeftButton);
}

INSTANTIATE_TEST_SUITE_P(
    Window, Commands,
    ::testing::Values(
        Command{"CtrlC",
                "1234.5",
                "",
                [](CalcWindow& t) { t.key(Qt::Key_C, Qt::ControlModifier); },
                {},
                "",
                "1,234.5",
                "1234.5"},
        Command{"CtrlV",
                "",
                " -12 345 ",
                [](CalcWindow& t) { t.key(Qt::Key_V, Qt::ControlModifier); },
                {},
                "",
                "12,345.",
                " -12 345 "},
        Command{"PasteButton", "", "3.14", [](CalcWindow& t) { t.click("cmdPaste"); }, {}, "", "3.14", "3.14"},
        Command{"ShiftF2", "1234", "", [](CalcWindow& t) { t.key(Qt::Key_F2, Qt::ShiftModifier); },
                [](zoom::FrmZoom&) {}, "1,234", "1,234", ""},
        Command{"ReadoutDoubleClick", "1234567", "", [](CalcWindow& t) { doubleClick(t, "txtReadout"); },
                [](zoom::FrmZoom& z) {
                    EXPECT_EQ(platform::clipboard().text(), "1234567");  // copied before the window opened
                    auto* box = z.findChild<display::NumberView*>("txtZoom");
                    box->setCursorPosition(box->length());
                    QTest::keyClick(box, Qt::Key_Backspace);
                },
                "1,234,567", "123,456", "1234567"},
        Command{"WordsDoubleClick", "12.5", "", [](CalcWindow& t) { doubleClick(t, "lbltxtNum"); },
                [](zoom::FrmZoom& z) { z.findChild<QAction*>("mnuText")->trigger(); }, "12.5", "12.5", nullptr}),
    [](const ::testing::TestParamInfo<Command>& i) { return std::string(i.param.name); });

TEST_F(FrmCalcTest, ConversionPanelOpensByAccessKeysAndConverts)
{
    QAction* convert = action("mnuConvert");
    QWidget* panel = find("picConversionOptions");
    const int shortHeight = w->height();
    EXPECT_FALSE(panel->isVisible());
    QTimer::singleShot(0, [] {
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr);
        QTest::keyClick(popup, Qt::Key_C);  // "&Convert (Metric - Imperial)"
    });
    key(Qt::Key_F, Qt::AltModifier);  // "&File"
    QCoreApplication::processEvents();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(convert->isChecked());
    EXPECT_GT(w->height(), shortHeight);

    type("100{cmdCmToFt}");
    EXPECT_EQ(readout(), "3.280839895");
    EXPECT_TRUE(words().endsWith("\n\n100 Centimeters equals 3.280839895 Feet")) << words().toStdString();
    QTest::mouseClick(find<QRadioButton>("Option1"), Qt::LeftButton);
    EXPECT_FALSE(find<QRadioButton>("optDirection")->isChecked());
    type("\x1b\x1b"
         "212{cmdCToF}");
    EXPECT_EQ(readout(), "100.0008");

    convert->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(convert->isChecked());
}

TEST_F(FrmCalcTest, AboutOpensAndTogglesItsHeight)
{
    int shortHeight = 0, tallHeight = 0;
    const bool seen =
        whileModal<about::FrmAbout>([&] { action("mnuAbout")->trigger(); },
                                    [&](about::FrmAbout& a) {
                                        EXPECT_EQ(a.windowTitle(), "About Megatally");
                                        shortHeight = a.height();
                                        QTest::mouseClick(a.findChild<QPushButton*>("cmdDirections"), Qt::LeftButton);
                                        tallHeight = a.height();
                                        QTest::mouseClick(a.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
                                    });
    EXPECT_TRUE(seen);
    EXPECT_NEAR(static_cast<double>(tallHeight) / shortHeight, (8295.0 - 435) / (4755 - 435), 0.02);
}

TEST_F(FrmCalcTest, LongNumbersNeverGrowTheWindow)
{
    const QSize before = w->size();
    fake.clipboardText.clear();
    for (int i = 0; i < 3000; ++i)
        fake.clipboardText += static_cast<char>('1' + i % 9);
    key(Qt::Key_V, Qt::ControlModifier);
    type("12");  // typing goes on at the end of a long number
    QCoreApplication::processEvents();
    EXPECT_EQ(w->size(), before);
    EXPECT_EQ(readout().size(), 3002 + 1000);  // digits and separators
    EXPECT_EQ(readout().right(5), "2,312");    // ...123 then 12
    auto* box = find<display::NumberView>("txtReadout");
    EXPECT_GT(box->verticalScrollBar()->maximum(), 0);
    box->selectAll();  // a selection copied from the readout is the number as shown
    box->copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), readout());
    type("*7=");
    QCoreApplication::processEvents();
    EXPECT_EQ(w->size(), before);
    EXPECT_GT(history().size(), 6000);
}

TEST_F(FrmCalcTest, PiShowsTheBusyPointerAndYieldsOnce)
{
    type("{Number7}");
    fake.log.clear();
    click("cmdPi");
    EXPECT_EQ(readout(), QString::fromStdString(w->engine().state().readoutText));
    EXPECT_TRUE(readout().startsWith("3.14159265358979323846")) << readout().toStdString();
    EXPECT_EQ(fake.log, (std::vector<std::string>{"busy", "yield", "default"}));
    EXPECT_FALSE(words().contains("Chill"));  // the notice made way for the words
    key(Qt::Key_Return);                      // the focus is back on the sink, where Enter is "="
    EXPECT_EQ(w->engine().state().pendingOperator, "=");
}

// Over its budget the tape loses its oldest entries and ends with a notice,
// in the window exactly as in the engine, trim after trim.
TEST_F(FrmCalcTest, TrimmedTapeShowsTheEnginesTape)
{
    const calc::HistoryBudgetScope budget(100);
    w = std::make_unique<FrmCalc>();  // its tape takes the small budget
    w->show();
    const calc::HistoryTape& tape = w->engine().state().historyText;
    type("{Number1}{Operator1}{Number1}{Operator4}");
    for (int i = 0; i < 10; ++i) {
        type("{Operator1}{Number1}{Operator4}");
        EXPECT_EQ(history(), QString::fromStdString(tape.str()).replace("\r\n", "\n")) << "after " << i + 2;
    }
    EXPECT_EQ(tape.removed(), 8u);
    EXPECT_TRUE(history().endsWith("\n--- 8 older entries removed to save memory ---\n\n"));
}

TEST_F(FrmCalcTest, ExitClosesTheWindow)
{
    action("mnuExit")->trigger();
    EXPECT_FALSE(w->isVisible());
}

}  // namespace
}  // namespace app
