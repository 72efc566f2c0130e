// One user's session from start to end, checked on the tape at the end.
#include "calc/tests/Harness.h"

namespace calc::test {
namespace {

TEST(Scenario, WholeSession)
{
    Harness h;
    h.replay("1 2 X 3 =");  // 36
    h.replay("+ 4 =");      // 40
    h.replay("MS");
    Check(h, {.memory = "40.", .memoryButtons = true});
    h.replay("C 2 sq");  // 4
    h.replay("+ MR =");  // 4 + 40 = 44
    Check(h, {.readout = "44."});
    h.replay("1 6 sqrt");            // 4.
    h.replay("C 5 fact");            // 120.
    h.replay("C 1 0 0 metric c-f");  // 212., no line
    Check(h, {.readout = "212.", .words = "Two Hundred Twelve\r\n\r\n100 Celsius equals 212. Fahrenheit"});
    h.replay("X 2 = copy");  // 424
    Check(h, {.clipboard = "424."});
    h.replay("clip:1,000,000 paste / 8 =");  // 125,000
    h.replay("7 / 0 =");                     // refused
    h.replay("CE CE");
    Check(h, {.readout = "0.",
              .lastInput = "CE",
              .pending = " ",
              .count = 0,
              .messages = Lines{kDivideByZero},
              .memory = "40.",
              .memoryButtons = true});
    h.replay("MC");
    Check(h, {.tape = Lines{"7 / 0 = Can't divide by zero", "1000000 / 8 = 125,000.", "212 X 2 = 424.",
                            "5 Factorial = 120.", " Square Root 16 = 4.!", "4 + 40 = 44.", "2 Squared = 4.",
                            "36 + 4 = 40.", "12 X 3 = 36."},
              .memory = "",
              .memoryButtons = false});
}

}  // namespace
}  // namespace calc::test
