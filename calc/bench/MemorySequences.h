// The long sequences that once grew memory without bound, shared by the
// engine's and the window's memory drivers. Each step puts text on the
// clipboard (when clipDigits is set: clipPrefix and that many digits, made
// only when the step runs) and then presses its buttons, repeat times.
// Buttons are the object names of the main window's controls; "mnuZoom"
// opens the zoom window, selects all and pastes there zoomPastes times and
// closes it in its digits view, which writes the pasted text back.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace calc::bench {

struct Step {
    std::string clipPrefix;            // the clipboard text: this, then
    std::size_t clipDigits = 0;        // this many digits (0: leave it)
    std::vector<std::string> buttons;  // pressed in order
    int repeat = 1;
    int zoomPastes = 0;
};

struct MemorySequence {
    const char* name;
    const char* what;
    std::vector<Step> steps;
};

inline std::string ClipText(const Step& step)
{
    std::string s = step.clipPrefix;
    s.reserve(s.size() + step.clipDigits);
    s += '7';
    s.append(step.clipDigits - 1, '3');
    return s;
}

inline std::vector<MemorySequence> MemorySequences()
{
    const std::vector<std::string> divideBy7 = {"Operator0", "Number7", "Operator4"};
    return {
        {"conversion30",
         "1, then Mm - In (metric to imperial, a division) pressed 30 times",
         {{"", 0, {"Number1"}}, {"", 0, {"cmdMmToIn"}, 30}}},
        {"divide23",
         "1 / 7 =, then / 7 = 23 times",
         {{"", 0, {"Number1"}}, {"", 0, divideBy7}, {"", 0, divideBy7, 23}}},
        {"sum-fraction",
         "a 16,000,000-digit number + a 16,000,000-digit fraction",
         {{".", 16'000'000, {"cmdPaste", "cmdMemStore"}},
          {"", 16'000'000, {"cmdPaste", "Operator1", "cmdMemRecall", "Operator4"}}}},
        {"tape12",
         "a 16,000,000-digit number, MS, then + MR = 12 times (tape lines of 53 MB: the tape passes its budget)",
         {{"", 16'000'000, {"cmdPaste", "cmdMemStore"}}, {"", 0, {"Operator1", "cmdMemRecall", "Operator4"}, 12}}},
        {"memory10",
         "a 16,000,000-digit number, MS, then M+ 10 times (ten 16,000,000-digit sums in the memory register)",
         {{"", 16'000'000, {"cmdPaste", "cmdMemStore"}}, {"", 0, {"cmdMemAdd"}, 10}}},
        {"squares10",
         "ten 16,000,000-digit results in a row: paste 8,000,000 digits, square",
         {{"", 8'000'000, {"cmdPaste", "cmdSquare"}, 10}}},
        {"roots16M",
         "the square root, then the cube root, of a 16,000,000-digit number",
         {{"", 16'000'000, {"cmdPaste", "cmdSquareRoot"}}, {"", 16'000'000, {"cmdPaste", "cmdCubeRoot"}}}},
        {"paste100MB", "a paste of 100,000,000 digits (refused)", {{"", 100'000'000, {"cmdPaste"}}}},
        {"zoom16M",
         "the zoom window: select all and paste 16,000,000 digits 10 times, close (written back)",
         {{"", 16'000'000, {"mnuZoom"}, 1, 10}}},
        {"zoom100MB",
         "the zoom window: select all and paste 100,000,000 digits 10 times, close (write-back refused)",
         {{"", 100'000'000, {"mnuZoom"}, 1, 10}}},
    };
}

}  // namespace calc::bench
