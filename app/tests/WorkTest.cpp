// Long computations in the real window: cancelling them (Cancel button,
// Escape, closing the window), input held off meanwhile, painting going on,
// the progress bar, refusals and messages that come from the work.
#include "app/FrmCalc.h"

#include "platform/fake/FakePlatform.h"
#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

namespace app {
namespace {

using namespace std::chrono_literals;

// Counts paint events of one widget.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

class WorkTest : public ::testing::Test {
public:
    void SetUp() override
    {
        platform::install(platform::qt::BuildAppInfo());
        w = std::make_unique<FrmCalc>();
        w->worker().cancelDelay = 0ms;  // the button is there at once for the tests
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
    void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
    bool busy() { return w->worker().busy(); }

    // Calls step on the window thread while the work runs, every few
    // milliseconds, until it answers true.
    void duringWork(std::function<bool()> step)
    {
        auto tick = std::make_shared<std::function<void()>>();
        *tick = [this, step, tick] {
            if (busy() && step())
                return;
            if (busy() || !started_)
                QTimer::singleShot(5, *tick);
        };
        started_ = false;
        QTimer::singleShot(0, [this, tick] {
            started_ = true;
            (*tick)();
        });
    }

    // Every field the engine keeps, the window's controls and the pointer.
    struct Snapshot {
        calc::CalcState state;
        std::string wordsCaption, memoryCaption, readoutWords;
        QString readout, words, history;
        bool operator==(const Snapshot& o) const
        {
            const calc::CalcState& a = state;
            const calc::CalcState& b = o.state;
            return a.firstOperand == b.firstOperand && a.secondOperand == b.secondOperand &&
                   a.decimalEntered == b.decimalEntered && a.operandCount == b.operandCount &&
                   a.lastInput == b.lastInput && a.pendingOperator == b.pendingOperator &&
                   a.readoutSnapshot == b.readoutSnapshot && a.memoryValue == b.memoryValue &&
                   a.readoutText == b.readoutText && a.historyText.str() == b.historyText.str() &&
                   wordsCaption == o.wordsCaption && memoryCaption == o.memoryCaption &&
                   readoutWords == o.readoutWords && readout == o.readout && words == o.words &&
                   history == o.history;
        }
    };
    Snapshot snapshot()
    {
        const calc::Engine& e = w->engine();
        return {e.state(), e.WordsCaption(), e.MemoryCaption(), e.ReadoutWords(), readout(), words(), history()};
    }
    void expectIdle()
    {
        EXPECT_FALSE(busy());
        EXPECT_FALSE(fake.busy) << "the default pointer is back";
        EXPECT_FALSE(find("cmdCancelWork")->isVisible());
        EXPECT_FALSE(find("prgWork")->isVisible());
    }

    platform::FakePlatform fake;
    std::unique_ptr<FrmCalc> w;

private:
    bool started_ = false;
};

// 1,000,000! takes about half a second in a release build: the cancel comes
// within milliseconds of the start.
struct CancelWay {
    const char* name;
    std::function<void(WorkTest&)> cancel;
};

void PrintTo(const CancelWay& w, std::ostream* os) { *os << w.name; }

class CancelFactorial : public WorkTest, public ::testing::WithParamInterface<CancelWay> {};

TEST_P(CancelFactorial, LeavesEverythingAsBefore)
{
    click("cmdMemStore");
    type("1000000");
    const Snapshot before = snapshot();
    bool cancelSent = false;
    duringWork([&] {
        if (!find("cmdCancelWork")->isVisible())
            return false;
        GetParam().cancel(*this);
        cancelSent = true;
        return true;
    });
    click("cmdFactorial");
    EXPECT_TRUE(cancelSent);
    EXPECT_TRUE(before == snapshot()) << readout().toStdString();
    expectIdle();
    ASSERT_EQ(fake.messages.size(), 1u);  // the "Truly Ginormous" question only
    EXPECT_EQ(fake.messages[0].title, "Yikes!");
    // The window takes input again, and the entry goes on where it was.
    type("2");
    EXPECT_EQ(readout(), "10,000,002");
}

INSTANTIATE_TEST_SUITE_P(Window, CancelFactorial, ::testing::Values(
    CancelWay{"CancelButton", [](WorkTest& t) { t.click("cmdCancelWork"); }},
    CancelWay{"Escape", [](WorkTest& t) { QTest::keyClick(t.focusTarget(), Qt::Key_Escape); }}),
    [](const ::testing::TestParamInfo<CancelWay>& i) { return std::string(i.param.name); });

TEST_F(WorkTest, InputDuringTheWorkIsNotTaken)
{
    type("1000000");
    const Snapshot before = snapshot();
    duringWork([&] {
        type("5+");
        click("Number7");
        click("cmdSquare");
        QTest::keyClick(focusTarget(), Qt::Key_V, Qt::ControlModifier);  // paste
        QTest::mouseDClick(find<DisplayBox>("txtReadout")->viewport(), Qt::LeftButton);
        EXPECT_TRUE(busy());
        QTest::keyClick(focusTarget(), Qt::Key_Escape);
        return true;
    });
    fake.clipboardText = "123";
    click("cmdFactorial");
    EXPECT_TRUE(before == snapshot()) << readout().toStdString();
    EXPECT_EQ(fake.clipboardText, "123");  // the double-click did not copy either
    expectIdle();
}

// The square root of a 20,000-digit number runs for seconds: long enough
// for the progress bar, and for the paint and timer events to be counted.
TEST_F(WorkTest, WindowPaintsAndShowsProgressDuringLongWork)
{
    fake.clipboardText = std::string(20000, '7');
    click("cmdPaste");
    const Snapshot before = snapshot();
    QWidget* viewport = find<DisplayBox>("txtReadout")->viewport();
    PaintCounter counter;
    viewport->installEventFilter(&counter);
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        ++ticks;
        viewport->update();
    });
    int paintsBeforeWork = -1;
    int paintsAtProgress = -1;
    int ticksAtProgress = -1;
    QString noticeDuringWork;
    duringWork([&] {
        if (paintsBeforeWork < 0) {
            paintsBeforeWork = counter.paints;
            ticks = 0;
            ticker.start(10);
        }
        if (!find("prgWork")->isVisible())
            return false;
        paintsAtProgress = counter.paints;
        ticksAtProgress = ticks;
        noticeDuringWork = words();
        EXPECT_TRUE(find("cmdCancelWork")->isVisible());
        QTest::keyClick(focusTarget(), Qt::Key_Escape);
        return true;
    });
    click("cmdSquareRoot");
    ticker.stop();
    ASSERT_GE(paintsAtProgress, 0) << "the progress bar never showed";
    EXPECT_GE(ticksAtProgress, 10);  // about a second of 10 ms ticks, at the very least 10
    EXPECT_GE(paintsAtProgress - paintsBeforeWork, 5);
    EXPECT_TRUE(noticeDuringWork.contains("This could take a while!"));
    EXPECT_TRUE(before == snapshot());
    expectIdle();
}

TEST_F(WorkTest, QuickWorkShowsNoProgress)
{
    bool seen = false;
    duringWork([&] {
        seen = seen || find("prgWork")->isVisible();
        return false;
    });
    type("12*3=");
    EXPECT_EQ(readout(), "36.");
    EXPECT_FALSE(seen);
    expectIdle();
}

TEST_F(WorkTest, ClosingTheWindowDuringWorkCancelsThenCloses)
{
    type("1000000");
    const Snapshot before = snapshot();
    duringWork([&] {
        w->close();
        EXPECT_TRUE(w->isVisible());  // not while the work unwinds
        return true;
    });
    click("cmdFactorial");
    EXPECT_TRUE(before == snapshot());
    EXPECT_FALSE(busy());
    QTRY_VERIFY_WITH_TIMEOUT(!w->isVisible(), 5000);
}

// Refusals of the arithmetic come from the worker thread as one message, and
// change nothing on the window.
struct Refusal {
    const char* name;
    std::function<void(WorkTest&)> setup;
    std::function<void(WorkTest&)> command;
    const char* title;
    const char* text;
};

void PrintTo(const Refusal& r, std::ostream* os) { *os << r.name; }

class RefusedWork : public WorkTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(RefusedWork, ShowsOneMessageAndChangesNothing)
{
    GetParam().setup(*this);
    const Snapshot before = snapshot();
    fake.messages.clear();
    GetParam().command(*this);
    ASSERT_FALSE(fake.messages.empty());
    EXPECT_EQ(fake.messages.back().title, GetParam().title);
    EXPECT_EQ(fake.messages.back().text, GetParam().text);
    Snapshot after = snapshot();
    // The factorial command keeps the integer part as the first operand even
    // when it goes no further (as after a No to its question).
    after.state.firstOperand = before.state.firstOperand;
    EXPECT_TRUE(before == after) << readout().toStdString();
    expectIdle();
}

INSTANTIATE_TEST_SUITE_P(Window, RefusedWork, ::testing::Values(
    Refusal{"PowerTooLarge",
            [](WorkTest& t) { t.type("2"); t.click("cmdToPowerOf"); t.type("1000000000000"); },
            [](WorkTest& t) { t.type("="); }, "Megatally",
            "This power is too large to compute: its result would have more than 268,435,456 digits."},
    Refusal{"FactorialTooLarge", [](WorkTest& t) { t.type("1000001"); },
            [](WorkTest& t) { t.click("cmdFactorial"); }, "Sorry",
            "Invalid input!\r\n\r\nFactorials are limited to numbers up to 1,000,000"}),
    [](const ::testing::TestParamInfo<Refusal>& i) { return std::string(i.param.name); });

}  // namespace
}  // namespace app
