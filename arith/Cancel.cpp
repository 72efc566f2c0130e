#include "arith/Cancel.h"

namespace arith {

const char* Cancelled::what() const noexcept { return "computation cancelled"; }

namespace detail {
void throwCancelled() { throw Cancelled(); }
}  // namespace detail

CancelScope::CancelScope(std::atomic<bool>& flag) noexcept : previous_(detail::cancelFlag)
{
    detail::cancelFlag = &flag;
}

CancelScope::~CancelScope() { detail::cancelFlag = previous_; }

PollHookScope::PollHookScope(PollHook& hook) noexcept : previous_(detail::pollHook.exchange(&hook)) {}

PollHookScope::~PollHookScope() { detail::pollHook.store(previous_); }

void CancelAtPoll::onPoll(std::atomic<bool>& flag)
{
    if (polls_.fetch_add(1) + 1 == at_)
        flag.store(true);
}


HoldAtPoll::~HoldAtPoll() { release(); }

void HoldAtPoll::onPoll(std::atomic<bool>&)
{
    if (polls_.fetch_add(1) + 1 != at_)
        return;
    std::unique_lock lock(mutex_);
    reached_ = true;
    changed_.notify_all();
    changed_.wait(lock, [this] { return released_; });
}

bool HoldAtPoll::reached() const
{
    std::lock_guard lock(mutex_);
    return reached_;
}

bool HoldAtPoll::waitReached()
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return reached_ || ended_; });
    return reached_;
}

void HoldAtPoll::release()
{
    std::lock_guard lock(mutex_);
    released_ = true;
    changed_.notify_all();
}

void HoldAtPoll::ended()
{
    std::lock_guard lock(mutex_);
    ended_ = true;
    changed_.notify_all();
}

}  // namespace arith
