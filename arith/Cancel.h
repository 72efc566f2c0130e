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
//
// Tests and the latency benchmark see every poll through a PollHook: while
// one is installed, each poll of a thread with a flag installed calls it
// just before reading the flag, so a test can set the flag at a chosen poll
// (CancelAtPoll) or hold the computation there, and a benchmark can time the
// stretches between polls. Without a hook a poll costs one more relaxed load.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>

namespace arith {

class Cancelled : public std::exception {
public:
    const char* what() const noexcept override;
};

// Called at the polls of threads that have a cancel flag installed, on the
// polling thread, with that thread's flag (which the hook may set).
class PollHook {
public:
    virtual void onPoll(std::atomic<bool>& flag) = 0;

protected:
    ~PollHook() = default;
};

namespace detail {
// The flag installed for this thread, or nullptr.
inline thread_local std::atomic<bool>* cancelFlag = nullptr;
// The hook every thread's polls call, or nullptr.
inline std::atomic<PollHook*> pollHook{nullptr};
[[noreturn]] void throwCancelled();
}  // namespace detail

// Installs flag as this thread's cancel flag for the scope's lifetime; the
// flag installed before (if any) comes back when the scope ends. The flag
// must outlive the scope.
class CancelScope {
public:
    explicit CancelScope(std::atomic<bool>& flag) noexcept;
    ~CancelScope();
    CancelScope(const CancelScope&) = delete;
    CancelScope& operator=(const CancelScope&) = delete;

private:
    std::atomic<bool>* previous_;
};

// Installs hook for every thread for the scope's lifetime (the one before
// comes back at its end). Meant for tests and benchmarks; install it before
// the polling threads start and end it after they have finished.
class PollHookScope {
public:
    explicit PollHookScope(PollHook& hook) noexcept;
    ~PollHookScope();
    PollHookScope(const PollHookScope&) = delete;
    PollHookScope& operator=(const PollHookScope&) = delete;

private:
    PollHook* previous_;
};

// A hook that counts the polls of all threads and sets the polling thread's
// flag at poll number `at` (1 is the first poll), so that very poll throws.
class CancelAtPoll final : public PollHook {
public:
    explicit CancelAtPoll(std::uint64_t at) noexcept : at_(at) {}
    void onPoll(std::atomic<bool>& flag) override;
    // How many polls have been made so far.
    std::uint64_t polls() const noexcept { return polls_.load(); }

private:
    const std::uint64_t at_;
    std::atomic<std::uint64_t> polls_{0};
};

// A hook that holds the polling thread at poll number `at` until release()
// (polls are counted over all threads). Meanwhile another thread can cancel
// at exactly that point: the held poll reads the flag once it is released.
class HoldAtPoll final : public PollHook {
public:
    explicit HoldAtPoll(std::uint64_t at) noexcept : at_(at) {}
    ~HoldAtPoll();
    HoldAtPoll(const HoldAtPoll&) = delete;
    HoldAtPoll& operator=(const HoldAtPoll&) = delete;

    void onPoll(std::atomic<bool>& flag) override;
    // True once poll `at` is held.
    bool reached() const;
    // Waits until poll `at` is held (true) or ended() was called (false).
    bool waitReached();
    // The held poll goes on; later polls pass. Idempotent.
    void release();
    // The polling work is over (whether or not it reached poll `at`).
    void ended();
    std::uint64_t polls() const noexcept { return polls_.load(); }

private:
    const std::uint64_t at_;
    std::atomic<std::uint64_t> polls_{0};
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool reached_ = false;
    bool released_ = false;
    bool ended_ = false;
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
    std::atomic<bool>* flag = detail::cancelFlag;
    if (flag == nullptr)
        return;
    if (PollHook* hook = detail::pollHook.load(std::memory_order_acquire)) [[unlikely]]
        hook->onPoll(*flag);
    if (flag->load(std::memory_order_relaxed))
        detail::throwCancelled();
}

}  // namespace arith
