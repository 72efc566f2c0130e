// Showing very long numbers in the window: the readout, and a history line
// holding two operands and the result, for a result with a long fraction
// (no digit groups to wrap at) and for a long whole number.
#include "app/FrmCalc.h"

#include <QApplication>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string longNumber(std::size_t digits, bool fraction)
{
    std::string s = fraction ? "3." : "";
    for (std::size_t i = 0; i < digits; ++i) {
        if (!fraction && i > 0 && (digits - i) % 3 == 0)
            s += ',';
        s += static_cast<char>('0' + (i * 7 + 3) % 10);
    }
    return s + (fraction ? "" : ".");
}

void BM_Readout(benchmark::State& state)
{
    const std::string text = longNumber(static_cast<std::size_t>(state.range(0)), state.range(1) != 0);
    app::DisplayBox box(nullptr, Qt::AlignRight, QTextOption::WrapAtWordBoundaryOrAnywhere);
    box.setBreakAfterCommas(true);
    box.resize(750, 60);
    box.show();
    for (auto _ : state) {
        box.setDisplayText(text);
        QApplication::processEvents();
        box.setDisplayText("0.");
        QApplication::processEvents();
    }
}

void BM_TapeLine(benchmark::State& state)
{
    const std::string n = longNumber(static_cast<std::size_t>(state.range(0)), state.range(1) != 0);
    const QString line = QString::fromStdString(n + " X " + n + " = " + n);
    for (auto _ : state) {
        app::TapeBox tape;
        tape.setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        tape.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        tape.resize(240, 200);
        tape.show();
        tape.prependLine(line);
        QApplication::processEvents();
    }
}

// {digits, 1 = fraction / 0 = whole number}
BENCHMARK(BM_Readout)->Args({100'000, 1})->Args({500'000, 1})->Args({500'000, 0})->Args({5'565'709, 0})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TapeLine)->Args({100'000, 1})->Args({500'000, 0})->Args({5'565'709, 0})->Unit(benchmark::kMillisecond);

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
