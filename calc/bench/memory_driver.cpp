// Runs one of the sequences of MemorySequences.h through the engine (no
// window) and prints what it left and the process's peak memory. Driven by
// calc/bench/memory.sh, which also takes the figure from /usr/bin/time -v.
//   calc_memory <sequence>
//   calc_memory --list            (each sequence's name, a tab, what it does)
#include "calc/Engine.h"
#include "calc/bench/MemorySequences.h"
#include "platform/fake/FakePlatform.h"

#include <sys/resource.h>

#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <string>

int main(int argc, char** argv)
{
    using calc::Engine;
    const std::string wanted = argc > 1 ? argv[1] : "";
    if (wanted == "--list") {
        for (const calc::bench::MemorySequence& s : calc::bench::MemorySequences())
            std::printf("%s\t%s\n", s.name, s.what);
        return 0;
    }
    for (const calc::bench::MemorySequence& sequence : calc::bench::MemorySequences()) {
        if (sequence.name != wanted)
            continue;
        platform::FakePlatform platform;
        // The zoom window writes back what was pasted into it last.
        struct PastingZoom final : calc::NullView {
            explicit PastingZoom(const std::string& clip) : clipboard(clip) {}
            const std::string& clipboard;
            std::optional<std::string> showZoom(const std::string&, const std::string&) override { return clipboard; }
        } view(platform.clipboardText);
        calc::InlineWorker worker;
        Engine engine(view, worker);
        const std::map<std::string, std::function<void()>> press = {
            {"Number1", [&] { engine.Number_Click(1); }},
            {"Number7", [&] { engine.Number_Click(7); }},
            {"Operator0", [&] { engine.Operator_Click(calc::kOperatorDivide); }},
            {"Operator1", [&] { engine.Operator_Click(calc::kOperatorAdd); }},
            {"Operator4", [&] { engine.Operator_Click(calc::kOperatorEquals); }},
            {"cmdMmToIn", [&] { engine.cmdMmToIn_Click(); }},
            {"cmdPaste", [&] { engine.cmdPaste_Click(); }},
            {"cmdMemStore", [&] { engine.cmdMemStore_Click(); }},
            {"cmdMemRecall", [&] { engine.cmdMemRecall_Click(); }},
            {"cmdMemAdd", [&] { engine.cmdMemAdd_Click(); }},
            {"cmdSquare", [&] { engine.cmdSquare_Click(); }},
            {"cmdSquareRoot", [&] { engine.cmdSquareRoot_Click(); }},
            {"cmdCubeRoot", [&] { engine.cmdCubeRoot_Click(); }},
            {"mnuZoom", [&] { engine.mnuZoom_Click(); }},
        };
        for (const calc::bench::Step& step : sequence.steps) {
            for (int i = 0; i < step.repeat; ++i) {
                if (step.clipDigits > 0)
                    platform.clipboardText = calc::bench::ClipText(step);
                for (const std::string& b : step.buttons)
                    press.at(b)();
            }
        }
        platform.clipboardText.clear();
        platform.clipboardText.shrink_to_fit();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf(
            "%-13s readout %zu chars, memory %zu chars, tape %zu entries (%zu removed, %zu chars), %zu messages, "
            "peak %ld MB\n",
            sequence.name, engine.state().readoutText.size(), engine.state().memoryValue.size(),
            engine.state().historyText.size(), engine.state().historyText.removed(),
            engine.state().historyText.length(), platform.messages.size(), usage.ru_maxrss / 1024);
        return 0;
    }
    std::fprintf(stderr, "usage: calc_memory <sequence>; sequences:");
    for (const calc::bench::MemorySequence& s : calc::bench::MemorySequences())
        std::fprintf(stderr, " %s", s.name);
    std::fprintf(stderr, "\n");
    return 2;
}
