// The platform services for the Qt desktop build.
//
// QtPlatform owns one object per service and installs them all (plus the
// program's AppInfo) for as long as it lives; create it right after the
// QApplication. On Windows the shell, registry and media services call the
// system directly; elsewhere they are the desktop equivalents described at
// each class.
#pragma once

#include "platform/Platform.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QString;

namespace platform::qt {

// QMessageBox, owned by the active window.
class QtMessageBox final : public MessageBox {
public:
    Answer show(const std::string& text, const std::string& title, Icon icon, Buttons buttons) override;
};

// The application-wide override cursor: the wait cursor while busy.
class QtPointer final : public Pointer {
public:
    ~QtPointer() override;
    void setBusy(bool busy) override;

private:
    bool busy_ = false;
};

// One pass of the event loop. User input stays queued until the long work
// that follows is done, so no second handler runs on the engine meanwhile;
// paint and timer events are handled, which is what the yield is for.
class QtEventLoop final : public EventLoop {
public:
    void yieldOnce() override;
};

class QtClipboard final : public Clipboard {
public:
    void clear() override;
    void setText(const std::string& text) override;
    std::string text() override;
    // Shares the clipboard's text; the reader converts it piece by piece
    // (65,536 characters each).
    Taken takeText() override;
    // Converts the text where it is called; setting it then shares it.
    std::function<void()> prepareText(std::string text) override;
};

// The desktop shell. On Windows open() is ShellExecuteA and run() starts the
// command line with CreateProcessA. Elsewhere open() asks the desktop for the
// default handler (QDesktopServices::openUrl) and maps a refusal to the
// Windows codes with ShellFailureCode(); run() splits the command line and
// starts the program detached. There is no "Open With" chooser outside
// Windows, so the chooser command line is not started there.
class QtShell final : public Shell {
public:
    int open(const std::string& target, int showCommand, std::intptr_t ownerWindow) override;
    void run(const std::string& commandLine, int windowStyle) override;
};

// Which Windows shell code stands for a target the desktop would not open:
// 2 (file not found) for an empty target or a missing local file, 3 (path
// not found) for a local file whose folder is missing, 31 (no associated
// program) for anything else. `exists` tells whether a local path exists.
int ShellFailureCode(const std::string& target, const std::function<bool(const std::string&)>& exists);

// True when the command line starts the Windows "Open With" chooser.
bool IsOpenWithCommand(const std::string& commandLine);

#ifdef _WIN32
class WinRegistry final : public Registry {
public:
    long openKey(Key root, const std::string& path, std::uint32_t access, Key& out) override;
    long queryValue(Key key, const std::string& name, std::uint32_t& type, std::string& data,
                    std::uint32_t bufferSize) override;
    long closeKey(Key key) override;
};
#endif

// A registry that knows only where the system information program is, for
// desktops without a registry. The key "SOFTWARE\Microsoft\Shared Tools\MSINFO"
// under HKEY_LOCAL_MACHINE opens when one of the known system information
// programs is found on the PATH, and its value "PATH" is that program's
// command line. Every other key (the "Shared Tools Location" key among them)
// does not exist.
class SysInfoRegistry final : public Registry {
public:
    struct Tool {
        std::string program;    // looked up on the PATH
        std::string arguments;  // appended after a blank, may be empty
    };
    using Finder = std::function<std::string(const std::string& program)>;  // "" when not found

    static std::vector<Tool> knownTools();
    // The default finder looks the program up on the PATH.
    explicit SysInfoRegistry(Finder finder = {}, std::vector<Tool> tools = knownTools());

    long openKey(Key root, const std::string& path, std::uint32_t access, Key& out) override;
    long queryValue(Key key, const std::string& name, std::uint32_t& type, std::string& data,
                    std::uint32_t bufferSize) override;
    long closeKey(Key key) override;

    // The command line of the first known tool that is found, "" for none.
    std::string findCommandLine() const;

    static constexpr Key kMsInfoKey = 1;

private:
    Finder finder_;
    std::vector<Tool> tools_;
};

// mciSendStringA on Windows; elsewhere there is no media control interface
// and nothing of ours is ever playing, so every command succeeds doing nothing.
class QtMedia final : public Media {
public:
    long sendString(const std::string& command) override;
};

class QtFiles final : public Files {
public:
    bool exists(const std::string& path) override;
    bool remove(const std::string& path) override;
};

// The version numbers come from the build (the CMake project version); the
// folder is the one holding the executable.
AppInfo BuildAppInfo();

class QtPlatform {
public:
    QtPlatform();
    ~QtPlatform();
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

private:
    QtMessageBox messageBox_;
    QtPointer pointer_;
    QtEventLoop eventLoop_;
    QtClipboard clipboard_;
    QtShell shell_;
    std::unique_ptr<Registry> registry_;
    QtMedia media_;
    QtFiles files_;
};

}  // namespace platform::qt
