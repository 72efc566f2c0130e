// Runs the engine's computations on a second thread while the window thread
// waits in an event loop, so that the window keeps painting (the busy pointer
// and the notice stay visible, nothing looks hung).
//
// The window still takes no input meanwhile: it filters mouse and keyboard
// input itself while busy() (see FrmCalc::eventFilter), apart from the ways
// to cancel. cancel() sets the computation's cancel flag; the arithmetic polls
// it (arith/Cancel.h) and unwinds, and run() answers nullopt, after which the
// engine leaves its state as it was. A result that arrives after cancel() is
// discarded the same way.
//
// Message boxes the computation asks for are shown by the window thread;
// once the computation is cancelled they are no longer shown (an OK box
// answers OK, a question No). A computation that runs out of memory shows
// kOutOfMemoryText and answers nullopt too.
//
// For the window's feedback run() calls, on the window thread: onCancelShown
// once the work has run for cancelDelay, onProgressShown once it has run for
// progressDelay, and onFinished just before it returns (quick work sees only
// onFinished). onComputed, for tests, runs once the computation has ended
// and before its result is handed back, while busy() still holds: a cancel
// from there (Escape, the Cancel button) is the user's cancel just before
// the result would have been shown.
#pragma once

#include "calc/View.h"

#include <atomic>
#include <chrono>
#include <functional>

namespace app {

inline constexpr const char* kOutOfMemoryText =
    "Not enough memory to finish this calculation. The numbers are too long for this computer.";
inline constexpr const char* kOutOfMemoryTitle = "Megatally";

class ThreadWorker final : public calc::Worker {
public:
    std::optional<std::string> run(const std::function<std::string()>& compute) override;

    // True while a computation runs.
    bool busy() const { return depth_ > 0; }
    // Asks the computation under way to stop; nothing happens when idle.
    void cancel();
    // True once cancel() was called for the computation under way.
    bool cancelling() const;

    std::chrono::milliseconds cancelDelay{200};
    std::chrono::milliseconds progressDelay{1000};
    std::function<void()> onCancelShown;
    std::function<void()> onProgressShown;
    std::function<void()> onFinished;
    std::function<void()> onComputed;

private:
    std::atomic<bool>* flag_ = nullptr;  // the running computation's cancel flag
    int depth_ = 0;
};

}  // namespace app
