#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>

#ifdef _WIN32
#define NOMINMAX
#include <mmsystem.h>
#include <shellapi.h>
#include <windows.h>
// Names of ours that windows.h also defines as macros.
#undef MessageBox
#undef HKEY_LOCAL_MACHINE
#endif

#ifndef MEGATALLY_VERSION_MAJOR
#error "MEGATALLY_VERSION_MAJOR/MINOR/PATCH come from the CMake project version"
#endif

namespace platform::qt {
namespace {

QString toQ(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

// ---- message box --------------------------------------------------------

Answer QtMessageBox::show(const std::string& text, const std::string& title, Icon icon, Buttons buttons)
{
    // Work running on another thread (the arithmetic reports a zero divisor
    // itself) asks the window thread, which waits in an event loop meanwhile.
    if (QCoreApplication::instance() && QThread::currentThread() != QCoreApplication::instance()->thread()) {
        Answer answer = Answer::OK;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [&] { answer = show(text, title, icon, buttons); },
            Qt::BlockingQueuedConnection);
        return answer;
    }
    QMessageBox::Icon qicon = QMessageBox::NoIcon;
    switch (icon) {
    case Icon::None: qicon = QMessageBox::NoIcon; break;
    case Icon::Critical: qicon = QMessageBox::Critical; break;
    case Icon::Exclamation: qicon = QMessageBox::Warning; break;
    case Icon::Question: qicon = QMessageBox::Question; break;
    case Icon::Information: qicon = QMessageBox::Information; break;
    }
    const auto qbuttons = buttons == Buttons::YesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok;
    QMessageBox box(qicon, toQ(title), toQ(text), qbuttons, QApplication::activeWindow());
    box.setObjectName("platformMessageBox");
    // A box asked while the busy pointer is up still gets the normal arrow.
    const bool overridden = QGuiApplication::overrideCursor() != nullptr;
    if (overridden)
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    const int r = box.exec();
    if (overridden)
        QGuiApplication::restoreOverrideCursor();
    if (buttons == Buttons::OK)
        return Answer::OK;
    return r == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

// ---- pointer and yield --------------------------------------------------

QtPointer::~QtPointer()
{
    if (busy_ && qApp)
        QGuiApplication::restoreOverrideCursor();
}

void QtPointer::setBusy(bool busy)
{
    if (busy == busy_)
        return;
    busy_ = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

void QtEventLoop::yieldOnce() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

// ---- clipboard ----------------------------------------------------------

void QtClipboard::clear() { QGuiApplication::clipboard()->clear(); }

void QtClipboard::setText(const std::string& text) { QGuiApplication::clipboard()->setText(toQ(text)); }

std::string QtClipboard::text() { return QGuiApplication::clipboard()->text().toStdString(); }

Clipboard::Taken QtClipboard::takeText()
{
    // QString is shared, not copied, and its count is safe across threads.
    QString taken = QGuiApplication::clipboard()->text();
    const auto size = static_cast<std::size_t>(taken.size());
    return {size, [text = std::move(taken)](const Sink& sink) {
                constexpr qsizetype kReadPiece = qsizetype{1} << 16;
                for (qsizetype at = 0; at < text.size(); at += kReadPiece) {
                    const QByteArray piece = QStringView(text).mid(at, kReadPiece).toUtf8();
                    if (!sink(std::string_view(piece.constData(), static_cast<std::size_t>(piece.size()))))
                        return;
                }
            }};
}

std::function<void()> QtClipboard::prepareText(std::string text)
{
    QString q = toQ(text);
    std::string().swap(text);  // freed here, not where the answer runs
    return [q = std::move(q)] { QGuiApplication::clipboard()->setText(q); };
}

// ---- shell --------------------------------------------------------------

bool IsOpenWithCommand(const std::string& commandLine)
{
    static const std::string prefix = "rundll32.exe shell32.dll,OpenAs_RunDLL ";
    return commandLine.compare(0, prefix.size(), prefix) == 0;
}

int ShellFailureCode(const std::string& target, const std::function<bool(const std::string&)>& exists)
{
    if (target.empty())
        return 2;
    // A target with a scheme of its own (mailto:, https:) simply had no
    // handler; a one-letter "scheme" is a drive letter.
    const QString t = toQ(target);
    static const QRegularExpression scheme("^([A-Za-z][A-Za-z0-9+.-]+):");
    const auto m = scheme.match(t);
    if (m.hasMatch() && m.captured(1).compare("file", Qt::CaseInsensitive) != 0)
        return 31;
    const QString path = m.hasMatch() ? QUrl(t).toLocalFile() : t;
    const QFileInfo info(path);
    if (!exists(info.absolutePath().toStdString()))
        return 3;
    if (!exists(info.absoluteFilePath().toStdString()))
        return 2;
    return 31;
}

#ifdef _WIN32

int QtShell::open(const std::string& target, int showCommand, std::intptr_t ownerWindow)
{
    const auto r =
        ShellExecuteA(reinterpret_cast<HWND>(ownerWindow), nullptr, target.c_str(), nullptr, nullptr, showCommand);
    return static_cast<int>(reinterpret_cast<std::intptr_t>(r));
}

void QtShell::run(const std::string& commandLine, int windowStyle)
{
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = static_cast<WORD>(windowStyle);
    PROCESS_INFORMATION pi{};
    std::string line = commandLine;  // CreateProcessA may write into it
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
}

#else

int QtShell::open(const std::string& target, int, std::intptr_t)
{
    if (!target.empty()) {
        const QUrl url = QUrl::fromUserInput(toQ(target), QDir::currentPath(), QUrl::AssumeLocalFile);
        if (url.isValid() && (!url.isLocalFile() || QFileInfo::exists(url.toLocalFile())) &&
            QDesktopServices::openUrl(url))
            return 42;
    }
    return ShellFailureCode(target, [](const std::string& p) { return QFileInfo::exists(toQ(p)); });
}

void QtShell::run(const std::string& commandLine, int)
{
    if (IsOpenWithCommand(commandLine))
        return;  // no chooser on this desktop
    QStringList parts = QProcess::splitCommand(toQ(commandLine));
    if (parts.isEmpty())
        return;
    const QString program = parts.takeFirst();
    QProcess::startDetached(program, parts);
}

#endif

// ---- registry -----------------------------------------------------------

#ifdef _WIN32

namespace {

// The predefined roots are 32-bit values that Windows sign-extends into a
// handle (0x80000002 is HKEY_LOCAL_MACHINE); opened keys are handles as is.
HKEY toHkey(Registry::Key key)
{
    const auto bits = static_cast<std::uintptr_t>(key);
    if ((bits & ~std::uintptr_t{0xF}) == 0x80000000u)
        return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(static_cast<std::uint32_t>(bits))));
    return reinterpret_cast<HKEY>(key);
}

}  // namespace

long WinRegistry::openKey(Key root, const std::string& path, std::uint32_t access, Key& out)
{
    HKEY h = nullptr;
    const LONG r = RegOpenKeyExA(toHkey(root), path.c_str(), 0, access, &h);
    out = reinterpret_cast<Key>(h);
    return r;
}

long WinRegistry::queryValue(Key key, const std::string& name, std::uint32_t& type, std::string& data,
                             std::uint32_t bufferSize)
{
    std::string buffer(bufferSize, '\0');
    DWORD t = 0;
    DWORD len = bufferSize;
    const LONG r =
        RegQueryValueExA(toHkey(key), name.c_str(), nullptr, &t, reinterpret_cast<BYTE*>(buffer.data()), &len);
    type = t;
    data = r == ERROR_SUCCESS ? buffer.substr(0, len) : std::string();
    return r;
}

long WinRegistry::closeKey(Key key) { return key ? RegCloseKey(toHkey(key)) : ERROR_INVALID_HANDLE; }

#endif

std::vector<SysInfoRegistry::Tool> SysInfoRegistry::knownTools()
{
    return {
        {"hardinfo2", ""},
        {"hardinfo", ""},
        {"kinfocenter", ""},
        {"gnome-control-center", "info-overview"},
    };
}

SysInfoRegistry::SysInfoRegistry(Finder finder, std::vector<Tool> tools)
    : finder_(std::move(finder)), tools_(std::move(tools))
{
    if (!finder_) {
        finder_ = [](const std::string& program) { return QStandardPaths::findExecutable(toQ(program)).toStdString(); };
    }
}

std::string SysInfoRegistry::findCommandLine() const
{
    for (const Tool& tool : tools_) {
        std::string path = finder_(tool.program);
        if (path.empty())
            continue;
        if (path.find(' ') != std::string::npos)
            path = '"' + path + '"';
        return tool.arguments.empty() ? path : path + ' ' + tool.arguments;
    }
    return {};
}

long SysInfoRegistry::openKey(Key root, const std::string& path, std::uint32_t, Key& out)
{
    out = 0;
    if (root != HKEY_LOCAL_MACHINE || path != "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO")
        return 2;  // ERROR_FILE_NOT_FOUND
    if (findCommandLine().empty())
        return 2;
    out = kMsInfoKey;
    return 0;
}

long SysInfoRegistry::queryValue(Key key, const std::string& name, std::uint32_t& type, std::string& data,
                                 std::uint32_t bufferSize)
{
    type = 0;
    data.clear();
    if (key != kMsInfoKey)
        return 6;  // ERROR_INVALID_HANDLE
    if (name != "PATH")
        return 2;
    std::string value = findCommandLine();
    if (value.empty())
        return 2;
    value += '\0';  // text values come back with their terminator
    if (value.size() > bufferSize)
        return 234;  // ERROR_MORE_DATA
    type = REG_SZ;
    data = value;
    return 0;
}

long SysInfoRegistry::closeKey(Key) { return 0; }

// ---- media and files ----------------------------------------------------

long QtMedia::sendString(const std::string& command)
{
#ifdef _WIN32
    return static_cast<long>(mciSendStringA(command.c_str(), nullptr, 0, nullptr));
#else
    (void)command;
    return 0;
#endif
}

bool QtFiles::exists(const std::string& path)
{
    const QFileInfo info(toQ(path));
    return info.exists() && info.isFile();
}

bool QtFiles::remove(const std::string& path) { return QFile::remove(toQ(path)); }

// ---- app info and installation ------------------------------------------

AppInfo BuildAppInfo()
{
    AppInfo info;
    info.major = MEGATALLY_VERSION_MAJOR;
    info.minor = MEGATALLY_VERSION_MINOR;
    info.revision = MEGATALLY_VERSION_PATCH;
    if (QCoreApplication::instance())
        info.folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
    return info;
}

QtPlatform::QtPlatform()
{
#ifdef _WIN32
    registry_ = std::make_unique<WinRegistry>();
#else
    registry_ = std::make_unique<SysInfoRegistry>();
#endif
    install(&messageBox_);
    install(&pointer_);
    install(&eventLoop_);
    install(&clipboard_);
    install(&shell_);
    install(registry_.get());
    install(&media_);
    install(&files_);
    install(BuildAppInfo());
}

QtPlatform::~QtPlatform()
{
    install(static_cast<MessageBox*>(nullptr));
    install(static_cast<Pointer*>(nullptr));
    install(static_cast<EventLoop*>(nullptr));
    install(static_cast<Clipboard*>(nullptr));
    install(static_cast<Shell*>(nullptr));
    install(static_cast<Registry*>(nullptr));
    install(static_cast<Media*>(nullptr));
    install(static_cast<Files*>(nullptr));
}

}  // namespace platform::qt
