// Drives the real main window: keys, clicks, menus, shortcuts, the zoom and
// About windows. Message boxes and the clipboard are the recording fakes.
#include "app/FrmCalc.h"

#include "about/FrmAbout.h"
#include "platform/fake/FakePlatform.h"
#include "platform/qt/QtPlatform.h"
#include "zoom/FrmZoom.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace app {
namespace {

class FrmCalcTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::install(platform::qt::BuildAppInfo());
        w = std::make_unique<FrmCalc>();
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    void TearDown() override
    {
        w.reset();
        platform::install(platform::AppInfo{});
    }

    template <class T = QWidget>
    T* find(const char* name)
    {
        T* c = w->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    QAction* action(const char* name) { return find<QAction>(name); }
    QString readout() { return find<DisplayBox>("txtReadout")->displayText(); }
    QString words() { return find<DisplayBox>("lbltxtNum")->displayText(); }
    QString history() { return find<QPlainTextEdit>("txtHistory")->toPlainText(); }
    QWidget* focusTarget()
    {
        QWidget* f = QApplication::focusWidget();
        return f ? f : w.get();
    }
    void type(const char* keys)
    {
        for (const char* k = keys; *k; ++k)
            QTest::keyClick(focusTarget(), *k);
    }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(focusTarget(), k, m); }
    void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }

    // Runs action while a modal window is up: inside() sees the modal window
    // and must close it.
    template <class Dialog>
    bool whileModal(const std::function<void()>& open, const std::function<void(Dialog&)>& inside)
    {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            seen = d != nullptr;
            if (d)
                inside(*d);
        });
        open();
        return seen;
    }

    platform::FakePlatform fake;
    std::unique_ptr<FrmCalc> w;
};

TEST_F(FrmCalcTest, TitleControlsAndCaptions)
{
    const std::string version = MEGATALLY_PROJECT_VERSION;
    EXPECT_EQ(w->windowTitle().toStdString(), "Calculator for Large Numbers (Ver " + version + ")");
    EXPECT_EQ(readout(), "0.");
    EXPECT_EQ(words(), "");
    EXPECT_EQ(history(), "");

    struct Row {
        const char* name;
        const char* caption;
    } buttons[] = {
        {"Number0", "0"},      {"Number1", "1"},     {"Number2", "2"},       {"Number3", "3"},
        {"Number4", "4"},      {"Number5", "5"},     {"Number6", "6"},       {"Number7", "7"},
        {"Number8", "8"},      {"Number9", "9"},     {"Decimal", "."},       {"Operator0", "/"},
        {"Operator1", "+"},    {"Operator2", "X"},   {"Operator3", "-"},     {"Operator4", "="},
        {"Percent", "%"},      {"Cancel", "C"},      {"CancelEntry", "CE"},  {"cmdSetFocus", " "},
        {"cmdMemStore", "MS"}, {"cmdMemRecall", "MR"}, {"cmdMemClear", "MC"}, {"cmdMemAdd", "M+"},
        {"cmdMemSub", "M-"},   {"cmdSquare", "x2"},  {"cmdCube", "x3"},      {"cmdSquareRoot", ""},
        {"cmdCubeRoot", ""},   {"cmdToPowerOf", ""}, {"cmdFactorial", "n!"}, {"cmdMod", "mod"},
        {"cmdLog", "log"},     {"cmdPi", ""},        {"cmdEulers", "e"},     {"cmdPaste", "Paste"},
        {"cmdLitToGal", "L - Gal"}, {"cmdMlToOz", "ml - Oz"}, {"cmdLitToQt", "L - Qt"},
        {"cmdLitToCuIn", "L - In\u00B3"}, {"cmdKgToLb", "Kg - Lb"}, {"cmdGmToOZ", "G - Oz"},
        {"cmdMtToYd", "M - Yd"}, {"CmdKmToMile", "Km - Mile"}, {"cmdCmToFt", "Cm - Ft"},
        {"cmdMmToIn", "Mm - In"}, {"cmdCToF", "C\u00B0 - F\u00B0"},
    };
    for (const Row& r : buttons) {
        QPushButton* b = find<QPushButton>(r.name);
        if (!b)
            continue;
        EXPECT_EQ(b->text(), QString::fromUtf8(r.caption)) << r.name;
        if (QString::fromUtf8(r.caption).isEmpty()) {
            EXPECT_FALSE(b->icon().isNull()) << r.name << " shows a picture";
        }
    }
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(find<QPushButton>(("Number" + std::to_string(i)).c_str())->property("index").toInt(), i);
    EXPECT_FALSE(find<QPushButton>("cmdMemRecall")->isEnabled());
    EXPECT_FALSE(find<QPushButton>("cmdMemClear")->isEnabled());
    EXPECT_TRUE(find<QPushButton>("cmdMemStore")->isEnabled());

    EXPECT_EQ(find<QLabel>("lblMemCaption")->text(), "Memory");
    EXPECT_EQ(find<QLineEdit>("lblMem")->text(), "");
    EXPECT_EQ(find<QRadioButton>("optDirection")->text(), "Metric to Imperial");
    EXPECT_TRUE(find<QRadioButton>("optDirection")->isChecked());
    EXPECT_EQ(find<QRadioButton>("Option1")->text(), "Imperial To Metric");
    EXPECT_EQ(find<QLabel>("Label1")->text(), "Volume");
    EXPECT_EQ(find<QLabel>("Label2")->text(), "Length");
    EXPECT_EQ(find<QLabel>("Label3")->text(), "Weight");
    EXPECT_EQ(find<QLabel>("Label4")->text(), "Temp");

    auto* historyBox = find<QPlainTextEdit>("txtHistory");
    EXPECT_TRUE(historyBox->isReadOnly());
    EXPECT_EQ(historyBox->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    // The focus sink lies outside the visible area.
    QWidget* sink = find("cmdSetFocus");
    EXPECT_FALSE(sink->parentWidget()->rect().intersects(sink->geometry()));
    EXPECT_FALSE(sink->isHidden());
}

TEST_F(FrmCalcTest, MenusAccessKeysAndShortcuts)
{
    struct Row {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
    } items[] = {
        {"mnuZoom", "&Zoom", QKeySequence(Qt::SHIFT | Qt::Key_F2)},
        {"mnuConvert", "&Convert (Metric - Imperial)", QKeySequence()},
        {"mnuExit", "E&xit", QKeySequence()},
        {"mnuCopy", "Copy", QKeySequence(Qt::CTRL | Qt::Key_C)},
        {"mnuPaste", "Paste", QKeySequence(Qt::CTRL | Qt::Key_V)},
        {"mnuAbout", "&About", QKeySequence()},
    };
    for (const Row& r : items) {
        QAction* a = action(r.name);
        if (!a)
            continue;
        EXPECT_EQ(a->text(), r.caption);
        EXPECT_EQ(a->shortcut(), r.shortcut) << r.name;
    }
    EXPECT_EQ(find<QMenu>("mnuFile")->title(), "&File");
    EXPECT_EQ(find<QMenu>("mnuEdit")->title(), "&Edit");
    EXPECT_EQ(find<QMenu>("mnuHelp")->title(), "&Help");
    const QList<QAction*> file = find<QMenu>("mnuFile")->actions();
    ASSERT_EQ(file.size(), 3);
    EXPECT_EQ(file[0]->objectName(), "mnuZoom");
    EXPECT_EQ(file[1]->objectName(), "mnuConvert");
    EXPECT_EQ(file[2]->objectName(), "mnuExit");
}

TEST_F(FrmCalcTest, TypedCalculationGivesResultAndHistoryLine)
{
    type("12*3=");
    EXPECT_EQ(readout(), "36.");
    EXPECT_TRUE(history().startsWith("12 X 3 = 36.\n\n")) << history().toStdString();
    EXPECT_FALSE(words().isEmpty());
    type("+4=");
    EXPECT_EQ(readout(), "40.");
    EXPECT_TRUE(history().startsWith("36 + 4 = 40.\n\n12 X 3 = 36.\n\n")) << history().toStdString();
}

TEST_F(FrmCalcTest, EnterAfterADigitGivesTheResult)
{
    type("5+3");
    EXPECT_EQ(QApplication::focusWidget(), find("cmdSetFocus"));
    key(Qt::Key_Return);
    EXPECT_EQ(readout(), "8.");
    EXPECT_TRUE(history().startsWith("5 + 3 = 8."));
    // Enter clicks whichever button has the focus.
    find("Operator1")->setFocus();
    type("2");  // the digit moves the focus back to the sink
    find("Operator1")->setFocus();
    key(Qt::Key_Enter);
    type("1");
    key(Qt::Key_Enter);
    EXPECT_EQ(readout(), "3.");
}

TEST_F(FrmCalcTest, EscapeIsClearEntryAndTwiceClearsAll)
{
    type("5+3");
    key(Qt::Key_Escape);
    EXPECT_EQ(readout(), "5.");
    type("4=");
    EXPECT_EQ(readout(), "9.");
    type("7*2");
    key(Qt::Key_Escape);
    key(Qt::Key_Escape);
    EXPECT_EQ(readout(), "0.");
    EXPECT_EQ(w->engine().state().lastInput, "CE");
    EXPECT_EQ(w->engine().state().operandCount, 0);
    EXPECT_EQ(w->engine().state().pendingOperator, " ");
    type("6+1=");
    EXPECT_EQ(readout(), "7.");
}

TEST_F(FrmCalcTest, UnmappedCharactersDoNothing)
{
    type("12");
    const calc::CalcState before = w->engine().state();
    type("xXa,");
    EXPECT_EQ(readout(), "12");
    EXPECT_EQ(w->engine().state().lastInput, before.lastInput);
    EXPECT_EQ(w->engine().state().operandCount, before.operandCount);
    type("3/4=");
    EXPECT_EQ(readout(), "30.75");
}

TEST_F(FrmCalcTest, ButtonsDriveTheEngine)
{
    for (const char* b : {"Number9", "Number9", "Number9", "Operator1", "Number1", "Operator4"})
        click(b);
    EXPECT_EQ(readout(), "1,000.");
    EXPECT_TRUE(history().startsWith("999 + 1 = 1,000."));
    click("Cancel");
    EXPECT_EQ(readout(), "0.");
    EXPECT_EQ(w->windowTitle().toStdString(), "Calculator for Large Numbers (Ver " MEGATALLY_PROJECT_VERSION ")");
    for (const char* b : {"Number7", "Operator0", "Number0", "Operator4"})
        click(b);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "Can't divide by zero");
    EXPECT_EQ(fake.messages[0].title, "Calculator");
    EXPECT_EQ(readout(), "7.");
}

TEST_F(FrmCalcTest, MemoryButtonsFollowTheRegister)
{
    type("5+3=");
    click("cmdMemStore");
    EXPECT_EQ(find<QLineEdit>("lblMem")->text(), "8.");
    EXPECT_TRUE(find<QPushButton>("cmdMemRecall")->isEnabled());
    EXPECT_TRUE(find<QPushButton>("cmdMemClear")->isEnabled());
    click("cmdMemClear");
    EXPECT_EQ(find<QLineEdit>("lblMem")->text(), "");
    EXPECT_FALSE(find<QPushButton>("cmdMemRecall")->isEnabled());
}

TEST_F(FrmCalcTest, ConversionPanelAndCheckMark)
{
    QAction* convert = action("mnuConvert");
    QWidget* panel = find("picConversionOptions");
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(convert->isChecked());
    const int shortHeight = w->height();
    convert->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(convert->isChecked());
    EXPECT_GT(w->height(), shortHeight);

    type("100");
    click("cmdCmToFt");
    EXPECT_EQ(readout(), "3.280839895");
    EXPECT_TRUE(words().endsWith("\n\n100 Centimeters equals 3.280839895 Feet")) << words().toStdString();
    QTest::mouseClick(find<QRadioButton>("Option1"), Qt::LeftButton);
    EXPECT_FALSE(find<QRadioButton>("optDirection")->isChecked());
    key(Qt::Key_Escape);
    key(Qt::Key_Escape);
    type("212");
    click("cmdCToF");
    EXPECT_EQ(readout(), "100.0008");

    convert->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(convert->isChecked());
}

TEST_F(FrmCalcTest, CopyAndPasteShortcuts)
{
    type("1234.5");
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(fake.clipboardText, "1234.5");
    fake.clipboardText = " -12 345 ";
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(readout(), "12,345.");
    fake.clipboardText = "3.14";
    click("cmdPaste");
    EXPECT_EQ(readout(), "3.14");
}

TEST_F(FrmCalcTest, ZoomShortcutOpensTheModalZoomWindow)
{
    type("1234");
    const bool seen = whileModal<zoom::FrmZoom>([&] { key(Qt::Key_F2, Qt::ShiftModifier); },
                                                [](zoom::FrmZoom& z) {
                                                    EXPECT_EQ(z.findChild<QPlainTextEdit*>("txtZoom")->toPlainText(),
                                                              "1,234");
                                                    z.close();
                                                });
    EXPECT_TRUE(seen);
    EXPECT_EQ(readout(), "1,234");
}

TEST_F(FrmCalcTest, ReadoutDoubleClickCopiesZoomsAndWritesBack)
{
    type("1234567");
    EXPECT_EQ(readout(), "1,234,567");
    QWidget* viewport = find<QTextEdit>("txtReadout")->viewport();
    const bool seen = whileModal<zoom::FrmZoom>(
        [&] { QTest::mouseDClick(viewport, Qt::LeftButton); },
        [&](zoom::FrmZoom& z) {
            EXPECT_EQ(fake.clipboardText, "1234567");  // copied before the window opened
            EXPECT_EQ(z.findChild<QLabel*>("lblDigitCount")->text(), "Count of digits is : 7");
            auto* box = z.findChild<QPlainTextEdit*>("txtZoom");
            box->moveCursor(QTextCursor::End);
            QTest::keyClick(box, Qt::Key_Backspace);
            z.close();
        });
    EXPECT_TRUE(seen);
    EXPECT_EQ(readout(), "123,456");
}

TEST_F(FrmCalcTest, WordsDoubleClickCopiesTheWords)
{
    type("12.5");
    EXPECT_TRUE(words().contains(" ( and ")) << words().toStdString();
    QWidget* viewport = find<QTextEdit>("lbltxtNum")->viewport();
    const bool seen = whileModal<zoom::FrmZoom>([&] { QTest::mouseDClick(viewport, Qt::LeftButton); },
                                                [&](zoom::FrmZoom& z) {
                                                    z.findChild<QAction*>("mnuText")->trigger();
                                                    z.close();
                                                });
    EXPECT_TRUE(seen);
    EXPECT_EQ(fake.clipboardText, w->engine().ReadoutWords());
    EXPECT_FALSE(fake.clipboardText.empty());
    EXPECT_EQ(fake.clipboardText.find("and"), std::string::npos);  // integer part only
    EXPECT_EQ(readout(), "12.5");
}

TEST_F(FrmCalcTest, AboutOpensCentredAndTogglesHeight)
{
    int shortHeight = 0, tallHeight = 0;
    const bool seen = whileModal<about::FrmAbout>([&] { action("mnuAbout")->trigger(); },
                                                  [&](about::FrmAbout& a) {
                                                      EXPECT_EQ(a.windowTitle(), "About Megatally");
                                                      shortHeight = a.height();
                                                      QTest::mouseClick(a.findChild<QPushButton*>("cmdDirections"),
                                                                        Qt::LeftButton);
                                                      tallHeight = a.height();
                                                      QTest::mouseClick(a.findChild<QPushButton*>("cmdOK"),
                                                                        Qt::LeftButton);
                                                  });
    EXPECT_TRUE(seen);
    EXPECT_GT(tallHeight, shortHeight);
    EXPECT_NEAR(static_cast<double>(tallHeight) / shortHeight, (8295.0 - 435) / (4755 - 435), 0.02);
}

TEST_F(FrmCalcTest, LongNumbersNeverGrowTheWindow)
{
    const QSize before = w->size();
    std::string digits;
    for (int i = 0; i < 3000; ++i)
        digits += static_cast<char>('1' + i % 9);
    fake.clipboardText = digits;
    key(Qt::Key_V, Qt::ControlModifier);
    type("12");  // typing goes on at the end of a long number
    QCoreApplication::processEvents();
    EXPECT_EQ(w->size(), before);
    EXPECT_EQ(readout().size(), 3002 + 1000);  // digits and separators
    EXPECT_EQ(readout().right(5), "2,312");  // ...123 then 12
    auto* box = find<QTextEdit>("txtReadout");
    EXPECT_GT(box->verticalScrollBar()->maximum(), 0);
    // A selection copied from the readout is the number as shown.
    box->selectAll();
    box->copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), readout());
    EXPECT_GT(find<QTextEdit>("lbltxtNum")->verticalScrollBar()->maximum(), 0);
    type("*7=");
    QCoreApplication::processEvents();
    EXPECT_EQ(w->size(), before);
    EXPECT_GT(history().size(), 6000);
    if (const QScreen* s = w->screen()) {
        EXPECT_LE(w->frameGeometry().height(), s->availableGeometry().height());
        EXPECT_LE(w->frameGeometry().width(), s->availableGeometry().width());
    }
}

TEST_F(FrmCalcTest, AccessKeysOpenTheMenus)
{
    QWidget* panel = find("picConversionOptions");
    QTimer::singleShot(0, [] {
        QWidget* popup = QApplication::activePopupWidget();
        EXPECT_NE(popup, nullptr);
        if (popup)
            QTest::keyClick(popup, Qt::Key_C);  // "&Convert (Metric - Imperial)"
    });
    key(Qt::Key_F, Qt::AltModifier);  // "&File"
    QCoreApplication::processEvents();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(action("mnuConvert")->isChecked());
}

TEST_F(FrmCalcTest, PiShowsBusyPointerNoticeAndOneYield)
{
    click("Number7");
    EXPECT_EQ(QApplication::focusWidget(), find("cmdSetFocus"));  // after a digit button too
    fake.log.clear();
    fake.yields = 0;
    click("cmdPi");
    EXPECT_EQ(readout(), QString::fromStdString(w->engine().state().readoutText));
    EXPECT_TRUE(readout().startsWith("3.14159265358979323846")) << readout().toStdString();
    EXPECT_EQ(fake.yields, 1);
    const std::vector<std::string> expected{"busy", "yield", "default"};
    EXPECT_EQ(fake.log, expected);
    EXPECT_FALSE(words().contains("Chill"));  // the notice made way for the words
    EXPECT_EQ(QApplication::focusWidget(), find("cmdSetFocus"));
    key(Qt::Key_Return);  // Enter on the sink is "="
    EXPECT_EQ(w->engine().state().pendingOperator, "=");
}

TEST_F(FrmCalcTest, ExitClosesTheWindow)
{
    action("mnuExit")->trigger();
    EXPECT_FALSE(w->isVisible());
}

}  // namespace
}  // namespace app
