// Showing very long numbers: the readout's number view (setting the text,
// painting, scrolling, a new width), a history line put on the tape, and
// the zoom window (opening, a keystroke in its digits). Argument: digits.
#include "display/NumberView.h"
#include "display/tests/TestNumbers.h"
#include "zoom/FrmZoom.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

namespace {


const std::string& number(std::int64_t digits)
{
    static std::map<std::int64_t, std::string> made;
    auto [it, added] = made.try_emplace(digits);
    if (added)
        it->second = display::GroupedDigits(static_cast<std::size_t>(digits)) + ".";
    return it->second;
}

// The readout as the main window sets it up.
struct Readout {
    display::NumberView view{nullptr, Qt::AlignRight | Qt::AlignVCenter};
    Readout()
    {
        QFont f = view.font();
        f.setPointSizeF(16);
        f.setBold(true);
        view.setFont(f);
        view.setBreakAfterCommas(true);
        view.resize(750, 70);
        view.show();
        QApplication::processEvents();
    }
};

void BM_SetText(benchmark::State& state)
{
    const std::string& n = number(state.range(0));
    Readout r;
    for (auto _ : state) {
        r.view.setDisplayText(n);  // a copy, as the window makes from the engine's text
        benchmark::DoNotOptimize(r.view.lineCount());
    }
}

void BM_Paint(benchmark::State& state)
{
    Readout r;
    r.view.setDisplayText(number(state.range(0)));
    for (auto _ : state)
        r.view.viewport()->repaint();
}

void BM_ScrollAndPaint(benchmark::State& state)
{
    Readout r;
    r.view.setDisplayText(number(state.range(0)));
    QScrollBar* bar = r.view.verticalScrollBar();
    bool end = false;
    for (auto _ : state) {
        bar->setValue(end ? bar->maximum() : bar->maximum() / 2);
        r.view.viewport()->repaint();
        end = !end;
    }
}

void BM_NewWidth(benchmark::State& state)
{
    Readout r;
    r.view.setDisplayText(number(state.range(0)));
    int width = 750;
    for (auto _ : state) {
        width = width == 750 ? 700 : 750;
        r.view.resize(width, 70);
        r.view.viewport()->repaint();
    }
}

// A "n! = <number>" line on top of a tape of a few entries; the oldest goes
// again, untimed, so the tape keeps its size.
void BM_Prepend(benchmark::State& state)
{
    display::NumberView tape(nullptr, Qt::AlignLeft | Qt::AlignTop, display::NumberView::Tape);
    tape.resize(240, 300);
    tape.show();
    for (int i = 0; i < 5; ++i)
        tape.prependLine("2 + 2 = 4.");
    const std::string line = "100000 Factorial = " + number(state.range(0));
    for (auto _ : state) {
        std::string copy = line;  // the window's copy of the engine's line
        tape.prependLine(std::move(copy));
        tape.viewport()->repaint();
        state.PauseTiming();
        tape.removeOldest(1);
        state.ResumeTiming();
    }
}

// Opening shares the readout, as the main window's ShowZoom does.
void BM_ZoomOpen(benchmark::State& state)
{
    const auto n = std::make_shared<const std::string>(number(state.range(0)));
    for (auto _ : state) {
        auto z = std::make_unique<zoom::FrmZoom>(nullptr, n, "words");
        z->show();
        QApplication::processEvents();
        state.PauseTiming();
        z->close();
        z.reset();
        state.ResumeTiming();
    }
}

// A digit typed into the middle of the number, painted.
void BM_ZoomKeystroke(benchmark::State& state)
{
    zoom::FrmZoom z(nullptr, std::make_shared<const std::string>(number(state.range(0))), "words");
    z.show();
    QApplication::processEvents();
    auto* box = z.findChild<display::NumberView*>("txtZoom");
    box->setCursorPosition(box->length() / 2);
    for (auto _ : state) {
        QTest::keyClick(box, '5');
        box->viewport()->repaint();
    }
    z.close();
}

#define SIZES Arg(1'000'000)->Arg(15'000'000)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_SetText)->SIZES;
BENCHMARK(BM_Paint)->SIZES;
BENCHMARK(BM_ScrollAndPaint)->SIZES;
BENCHMARK(BM_NewWidth)->SIZES;
BENCHMARK(BM_Prepend)->SIZES;
BENCHMARK(BM_ZoomOpen)->SIZES;
BENCHMARK(BM_ZoomKeystroke)->SIZES;

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
