// The long sequences that once grew memory without bound, shared by the
// engine's and the window's memory drivers. Each step puts text on the
// clipboard (when clip is set) and then presses its buttons, repeat times.
// Buttons are the object names of the main window's controls.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace calc::bench {

struct Step {
    std::string clip;                  // put on the clipboard first ("" = leave)
    std::vector<std::string> buttons;  // pressed in order
    int repeat = 1;
};

struct MemorySequence {
    const char* name;
    const char* what;
    std::vector<Step> steps;
};

inline std::string Digits(std::size_t n, char first = '7')
{
    std::string s(n, '3');
    s[0] = first;
    return s;
}

inline std::vector<MemorySequence> MemorySequences()
{
    const std::vector<std::string> divideBy7 = {"Operator0", "Number7", "Operator4"};
    return {
        {"conversion30", "1, then Mm - In (metric to imperial, a division) pressed 30 times",
         {{"", {"Number1"}}, {"", {"cmdMmToIn"}, 30}}},
        {"divide23", "1 / 7 =, then / 7 = 23 times",
         {{"", {"Number1"}}, {"", divideBy7}, {"", divideBy7, 23}}},
        {"sum-fraction", "a 16,000,000-digit number + a 16,000,000-digit fraction",
         {{"." + Digits(16'000'000), {"cmdPaste", "cmdMemStore"}},
          {Digits(16'000'000), {"cmdPaste", "Operator1", "cmdMemRecall", "Operator4"}}}},
        {"tape12", "a 16,000,000-digit number, MS, then + MR = 12 times (each tape line about 53 MB)",
         {{Digits(16'000'000), {"cmdPaste", "cmdMemStore"}},
          {"", {"Operator1", "cmdMemRecall", "Operator4"}, 12}}},
        {"squares10", "ten 16,000,000-digit results in a row: paste 8,000,000 digits, square",
         {{Digits(8'000'000), {"cmdPaste", "cmdSquare"}, 10}}},
        {"paste100MB", "a paste of 100,000,000 digits (refused)", {{Digits(100'000'000), {"cmdPaste"}}}},
    };
}

}  // namespace calc::bench
