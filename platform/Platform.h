// The few services the calculator needs from its surroundings: message boxes,
// the mouse pointer, one yield to the event loop, the clipboard, the desktop
// shell, a read-only registry, the media control interface, files and the
// program's own version and folder.
//
// Each service is a small interface. The application installs real ones at
// start-up (platform/qt for the Qt build); tests install the recording fakes
// of platform/fake. Where nothing is installed a quiet default is used: no
// message is shown (an OK box answers OK, a Yes/No question answers No), the
// pointer and the yield do nothing, the clipboard is empty, the shell and the
// registry fail, no file exists.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace platform {

enum class Icon { None, Critical, Exclamation, Question, Information };
enum class Buttons { OK, YesNo };
enum class Answer { OK, Yes, No };

class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual Answer show(const std::string& text, const std::string& title, Icon icon, Buttons buttons) = 0;
};

// The screen's mouse pointer: busy (hourglass) or the default one.
class Pointer {
public:
    virtual ~Pointer() = default;
    virtual void setBusy(bool busy) = 0;
};

// Lets the event loop process what is pending once, so that a notice and a
// busy pointer are painted before long work starts.
class EventLoop {
public:
    virtual ~EventLoop() = default;
    virtual void yieldOnce() = 0;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(const std::string& text) = 0;
    virtual std::string text() = 0;
    using Sink = std::function<bool(std::string_view piece)>;
    // The clipboard's text as taken: its length in characters, and a
    // reader that may run on any thread. The reader hands the text to sink
    // in pieces, in order, as UTF-8 (a piece may end inside a character),
    // and stops as soon as sink answers false: a caller that stops early
    // has never held the whole text.
    struct Taken {
        std::size_t size = 0;
        std::function<void(const Sink& sink)> read;
    };
    // Takes the clipboard's text as it stands, at no cost that grows with
    // it where the clipboard shares it. The default reads text() at once
    // and hands it over in one piece.
    virtual Taken takeText()
    {
        std::string t = text();
        const std::size_t size = t.size();
        return {size, [t = std::move(t)](const Sink& sink) { sink(t); }};
    }
    void readText(const Sink& sink) { takeText().read(sink); }
    // Makes text ready for the clipboard on any thread; the answer, run
    // later on the window thread, puts it there at a cost that does not
    // grow with it where the clipboard allows. The default sets it then.
    virtual std::function<void()> prepareText(std::string text)
    {
        return [this, t = std::move(text)] { setText(t); };
    }
};

// The desktop shell. open() hands a target (a path, a web address, a
// "mailto:" address) to its associated program and answers with the
// shell's numeric code: above 32 is success, 0/2/3/11/31 and the other
// values up to 32 are the failures of the Windows shell. run() starts a
// program from a command line with a window style.
class Shell {
public:
    virtual ~Shell() = default;
    virtual int open(const std::string& target, int showCommand, std::intptr_t ownerWindow) = 0;
    virtual void run(const std::string& commandLine, int windowStyle) = 0;
};

// A read-only view of a hierarchical key/value registry. Return codes are
// 0 for success, anything else for failure (as the Windows registry).
class Registry {
public:
    using Key = std::intptr_t;
    static constexpr Key HKEY_LOCAL_MACHINE = static_cast<Key>(0x80000002u);
    static constexpr std::uint32_t REG_SZ = 1;
    virtual ~Registry() = default;
    virtual long openKey(Key root, const std::string& path, std::uint32_t access, Key& out) = 0;
    // Reads at most bufferSize bytes of the value into data; type and length
    // receive the value's type and the byte count written.
    virtual long queryValue(Key key, const std::string& name, std::uint32_t& type, std::string& data,
                            std::uint32_t bufferSize) = 0;
    virtual long closeKey(Key key) = 0;
};

// The media control interface: a command string, no reply.
class Media {
public:
    virtual ~Media() = default;
    virtual long sendString(const std::string& command) = 0;
};

class Files {
public:
    virtual ~Files() = default;
    virtual bool exists(const std::string& path) = 0;
    virtual bool remove(const std::string& path) = 0;
};

// The program's version numbers and the folder it was started from.
struct AppInfo {
    int major = 0;
    int minor = 0;
    int revision = 0;
    std::string folder;
};

// Access to the installed services; never null.
MessageBox& messageBox();
Pointer& pointer();
EventLoop& eventLoop();
Clipboard& clipboard();
Shell& shell();
Registry& registry();
Media& media();
Files& files();
const AppInfo& appInfo();

// Installing nullptr restores the quiet default. The caller keeps ownership
// and must keep the object alive while it is installed.
void install(MessageBox* service);
void install(Pointer* service);
void install(EventLoop* service);
void install(Clipboard* service);
void install(Shell* service);
void install(Registry* service);
void install(Media* service);
void install(Files* service);
void install(const AppInfo& info);

// Shorthand for the common OK box.
inline Answer showMessage(const std::string& text, const std::string& title, Icon icon = Icon::None,
                          Buttons buttons = Buttons::OK)
{
    return messageBox().show(text, title, icon, buttons);
}

}  // namespace platform
