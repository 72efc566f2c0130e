#include "platform/Platform.h"

#include <atomic>

namespace platform {
namespace {

class QuietMessageBox final : public MessageBox {
public:
    Answer show(const std::string&, const std::string&, Icon, Buttons buttons) override
    {
        return buttons == Buttons::YesNo ? Answer::No : Answer::OK;
    }
};
class QuietPointer final : public Pointer {
public:
    void setBusy(bool) override {}
};
class QuietEventLoop final : public EventLoop {
public:
    void yieldOnce() override {}
};
class EmptyClipboard final : public Clipboard {
public:
    void clear() override {}
    void setText(const std::string&) override {}
    std::string text() override { return {}; }
};
class NoShell final : public Shell {
public:
    int open(const std::string&, int, std::intptr_t) override { return 2; }
    void run(const std::string&, int) override {}
};
class NoRegistry final : public Registry {
public:
    long openKey(Key, const std::string&, std::uint32_t, Key& out) override
    {
        out = 0;
        return 2;
    }
    long queryValue(Key, const std::string&, std::uint32_t& type, std::string& data, std::uint32_t) override
    {
        type = 0;
        data.clear();
        return 2;
    }
    long closeKey(Key) override { return 0; }
};
class NoMedia final : public Media {
public:
    long sendString(const std::string&) override { return 0; }
};
class NoFiles final : public Files {
public:
    bool exists(const std::string&) override { return false; }
    bool remove(const std::string&) override { return false; }
};

// Each slot holds the installed service or nullptr. Reads may come from a
// worker thread, so the pointers are atomic; installing happens at start-up
// and in tests.
template <class T, class Default> struct Slot {
    std::atomic<T*> installed{nullptr};
    T& get()
    {
        static Default fallback;
        T* p = installed.load(std::memory_order_acquire);
        return p ? *p : fallback;
    }
    void set(T* p) { installed.store(p, std::memory_order_release); }
};

Slot<MessageBox, QuietMessageBox> gMessageBox;
Slot<Pointer, QuietPointer> gPointer;
Slot<EventLoop, QuietEventLoop> gEventLoop;
Slot<Clipboard, EmptyClipboard> gClipboard;
Slot<Shell, NoShell> gShell;
Slot<Registry, NoRegistry> gRegistry;
Slot<Media, NoMedia> gMedia;
Slot<Files, NoFiles> gFiles;
AppInfo& appInfoStorage()
{
    static AppInfo info;
    return info;
}

}  // namespace

MessageBox& messageBox() { return gMessageBox.get(); }
Pointer& pointer() { return gPointer.get(); }
EventLoop& eventLoop() { return gEventLoop.get(); }
Clipboard& clipboard() { return gClipboard.get(); }
Shell& shell() { return gShell.get(); }
Registry& registry() { return gRegistry.get(); }
Media& media() { return gMedia.get(); }
Files& files() { return gFiles.get(); }
const AppInfo& appInfo() { return appInfoStorage(); }

void install(MessageBox* s) { gMessageBox.set(s); }
void install(Pointer* s) { gPointer.set(s); }
void install(EventLoop* s) { gEventLoop.set(s); }
void install(Clipboard* s) { gClipboard.set(s); }
void install(Shell* s) { gShell.set(s); }
void install(Registry* s) { gRegistry.set(s); }
void install(Media* s) { gMedia.set(s); }
void install(Files* s) { gFiles.set(s); }
void install(const AppInfo& info) { appInfoStorage() = info; }

}  // namespace platform
