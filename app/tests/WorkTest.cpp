// Long computations in the real window: cancelling them (Cancel button,
// Escape, closing the window), input held off meanwhile, painting going on
// and the progress bar.
#include "app/tests/CalcWindow.h"

namespace app {
namespace {

using WorkTest = CalcWindow;

// 1,000,000! takes about half a second in a release build, and far longer
// under the sanitizers; it is held at its first poll, cancelled there in
// each of the ways, and leaves everything as before.
struct CancelWay {
    const char* name;
    std::function<void(CalcWindow&)> cancel;
    bool closes;  // the window closes once the work has unwound
};

void PrintTo(const CancelWay& c, std::ostream* os) { *os << c.name; }

class CancelFactorial : public WorkTest, public ::testing::WithParamInterface<CancelWay> {};

TEST_P(CancelFactorial, LeavesEverythingAsBefore)
{
    type("{cmdMemStore}1000000");
    fake.clipboardText = "123";
    const auto before = snapshot();
    cancelDuring("{cmdFactorial}", [&] { GetParam().cancel(*this); });
    EXPECT_TRUE(before == snapshot()) << readout().toStdString();
    EXPECT_EQ(fake.clipboardText, "123");  // no copy and no paste either
    expectIdle();
    ASSERT_EQ(fake.messages.size(), 1u);  // the "Truly Ginormous" question only
    EXPECT_EQ(fake.messages[0].title, "Yikes!");
    if (GetParam().closes) {
        QTRY_VERIFY_WITH_TIMEOUT(!w->isVisible(), 5000);
    } else {
        type("2");  // the window takes input again, and the entry goes on where it was
        EXPECT_EQ(readout(), "10,000,002");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Window, CancelFactorial,
    ::testing::Values(CancelWay{"CancelButton", [](CalcWindow& t) { t.type("{cmdCancelWork}"); }, false},
                      CancelWay{"Escape", [](CalcWindow& t) { t.type("\x1b"); }, false},
                      CancelWay{"InputIsNotTakenMeanwhile",
                                [](CalcWindow& t) {
                                    t.type("5+ {Number7}{cmdSquare}");
                                    t.key(Qt::Key_V, Qt::ControlModifier);
                                    QTest::mouseDClick(t.find<display::NumberView>("txtReadout")->viewport(),
                                                       Qt::LeftButton);
                                    EXPECT_TRUE(t.busy());
                                    t.type("\x1b");
                                },
                                false},
                      CancelWay{"ClosingTheWindow",
                                [](CalcWindow& t) {
                                    t.w->close();
                                    EXPECT_TRUE(t.w->isVisible());  // not while the work unwinds
                                },
                                true}),
    [](const ::testing::TestParamInfo<CancelWay>& i) { return std::string(i.param.name); });

// Counts paint events of one widget.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

// 9^17,500,000 (16.7 million digits, just within the window's bound) is
// held at its first poll until the progress bar has shown and the window has
// handled ten timer ticks and painted five times more since the work began;
// then Escape cancels it.
TEST_F(WorkTest, WindowPaintsAndShowsProgressDuringLongWork)
{
    w->worker().progressDelay = std::chrono::milliseconds(50);
    type("9{cmdToPowerOf}17500000");
    const auto before = snapshot();
    QWidget* viewport = find<display::NumberView>("txtReadout")->viewport();
    PaintCounter counter;
    viewport->installEventFilter(&counter);
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        ++ticks;
        viewport->update();
    });
    arith::HoldAtPoll hold(1);
    arith::PollHookScope hook(hold);
    int paintsBeforeWork = -1;
    bool progressShown = false, cancelShown = false;
    duringWork([&] {
        if (paintsBeforeWork < 0) {
            paintsBeforeWork = counter.paints;
            ticks = 0;
            ticker.start(10);
        }
        if (!hold.reached() || !find("prgWork")->isVisible() || ticks < 10 || counter.paints - paintsBeforeWork < 5)
            return false;
        progressShown = true;
        cancelShown = find("cmdCancelWork")->isVisible();
        key(Qt::Key_Escape);
        hold.release();
        return true;
    });
    type("=");
    hold.release();
    ticker.stop();
    EXPECT_TRUE(progressShown) << "the progress bar never showed";
    EXPECT_TRUE(cancelShown);
    EXPECT_TRUE(before == snapshot());
    expectIdle();
}

}  // namespace
}  // namespace app
