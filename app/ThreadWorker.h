// Runs the engine's computations on a second thread while the window thread
// waits in an event loop that handles painting and timers but holds back
// mouse and keyboard input until the result is there. The window keeps
// painting (the busy pointer and the notice stay visible, nothing looks
// hung) and still takes no input meanwhile, as with a computation run on
// the window thread. Nothing is cancelled: every computation runs to its end.
#pragma once

#include "calc/View.h"

namespace app {

class ThreadWorker final : public calc::Worker {
public:
    std::optional<std::string> run(const std::function<std::string()>& compute) override;

    // True while a computation runs.
    bool busy() const { return depth_ > 0; }

private:
    int depth_ = 0;
};

}  // namespace app
