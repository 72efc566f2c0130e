// Runs a computation on a thread of its own with a cancel flag installed,
// sets the flag once the computation has begun, and reports how it ended.
#pragma once

#include "arith/Cancel.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

namespace cancel_test {

struct Outcome {
    bool cancelled = false;  // ended by arith::Cancelled
    bool finished = false;   // ran to its end although the flag was set
    double secondsAfterFlag = 0;
};

inline Outcome cancelWhileRunning(const std::function<void()>& work)
{
    std::atomic<bool> flag{false};
    std::atomic<bool> started{false};
    Outcome out;
    std::thread t([&] {
        arith::CancelScope scope(flag);
        started = true;
        try {
            work();
            out.finished = true;
        } catch (const arith::Cancelled&) {
            out.cancelled = true;
        }
    });
    while (!started)
        std::this_thread::yield();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const auto set = std::chrono::steady_clock::now();
    flag = true;
    t.join();
    out.secondsAfterFlag = std::chrono::duration<double>(std::chrono::steady_clock::now() - set).count();
    return out;
}

// Generous: the slowest step between two polls, in a sanitizer build on a
// busy machine, is far below this.
inline constexpr double kPromptSeconds = 20.0;

}  // namespace cancel_test
