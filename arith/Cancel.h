// Cooperative cancellation of long computations.
//
// The thread that runs a computation installs a cancel flag with a
// CancelScope; the long loops of the arithmetic call pollCancel() at their
// heads, which throws Cancelled once the flag is set. Another thread (the
// window) sets the flag and waits for the computation to unwind. Without an
// installed flag pollCancel() never throws and costs a thread-local load.
//
// Everything on the polled paths holds its memory in RAII containers and no
// lock across a poll, so a Cancelled unwinds cleanly and the arithmetic keeps
// no half-made state (the cached pi is only stored once it is complete).
#pragma once

#include <atomic>
#include <exception>

namespace arith {

class Cancelled : public std::exception {
public:
    const char* what() const noexcept override;
};

namespace detail {
// The flag installed for this thread, or nullptr.
inline thread_local const std::atomic<bool>* cancelFlag = nullptr;
[[noreturn]] void throwCancelled();
}  // namespace detail

// Installs flag as this thread's cancel flag for the scope's lifetime; the
// flag installed before (if any) comes back when the scope ends. The flag
// must outlive the scope.
class CancelScope {
public:
    explicit CancelScope(const std::atomic<bool>& flag) noexcept;
    ~CancelScope();
    CancelScope(const CancelScope&) = delete;
    CancelScope& operator=(const CancelScope&) = delete;

private:
    const std::atomic<bool>* previous_;
};

// True when this thread's installed flag is set.
inline bool cancelRequested() noexcept
{
    const std::atomic<bool>* flag = detail::cancelFlag;
    return flag != nullptr && flag->load(std::memory_order_relaxed);
}

// Throws Cancelled when this thread's installed flag is set.
inline void pollCancel()
{
    if (cancelRequested())
        detail::throwCancelled();
}

}  // namespace arith
