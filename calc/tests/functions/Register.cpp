// Button words of the commands that need the whole arithmetic.
#include "calc/tests/Harness.h"

namespace calc::test {
namespace {

const bool registered = [] {
    auto& b = ExtraButtons();
    b["sqrt"] = &Engine::cmdSquareRoot_Click;
    b["cbrt"] = &Engine::cmdCubeRoot_Click;
    b["fact"] = &Engine::cmdFactorial_Click;
    b["log"] = &Engine::cmdLog_Click;
    b["pi"] = &Engine::cmdPi_Click;
    b["e"] = &Engine::cmdEulers_Click;
    return true;
}();

}  // namespace
}  // namespace calc::test
