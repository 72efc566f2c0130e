// A setting the engine reads from any thread (an atomic) that a test can
// change for as long as a scope lives; the old value comes back at its end.
#pragma once

#include <atomic>

namespace calc {

template <class T> class SettingScope {
public:
    SettingScope(std::atomic<T>& setting, T value) noexcept : setting_(setting), previous_(setting.exchange(value)) {}
    ~SettingScope() { setting_ = previous_; }
    SettingScope(const SettingScope&) = delete;
    SettingScope& operator=(const SettingScope&) = delete;

private:
    std::atomic<T>& setting_;
    T previous_;
};

}  // namespace calc
