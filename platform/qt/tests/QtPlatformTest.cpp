#include "platform/qt/QtPlatform.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <thread>

namespace platform::qt {
namespace {

// ---- shell failure codes ------------------------------------------------

TEST(ShellFailureCode, MapsRefusedTargetsToShellCodes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string base = dir.path().toStdString();
    QFile f(dir.filePath("present.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    auto exists = [](const std::string& p) { return QFileInfo::exists(QString::fromStdString(p)); };

    struct Row {
        std::string target;
        int code;
    } rows[] = {
        {"", 2},
        {base + "/missing.txt", 2},
        {base + "/no/such/folder/file.txt", 3},
        {base + "/present.txt", 31},
        {"file://" + base + "/missing.txt", 2},
        {"file://" + base + "/gone/x.txt", 3},
        {"mailto:someone@example.org", 31},
        {"https://www.example.org/", 31},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ShellFailureCode(r.target, exists), r.code) << r.target;
}

TEST(ShellFailureCode, RecognisesTheOpenWithCommandLine)
{
    EXPECT_TRUE(IsOpenWithCommand("rundll32.exe shell32.dll,OpenAs_RunDLL C:\\a b.txt"));
    EXPECT_TRUE(IsOpenWithCommand("rundll32.exe shell32.dll,OpenAs_RunDLL "));
    EXPECT_FALSE(IsOpenWithCommand("rundll32.exe shell32.dll,OpenAs_RunDLL"));
    EXPECT_FALSE(IsOpenWithCommand("hardinfo"));
}

TEST(QtShell, MissingLocalTargetsFailWithoutTheDesktop)
{
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString();
    QtShell shell;
    EXPECT_EQ(shell.open("", 1, 0), 2);
    EXPECT_EQ(shell.open(base + "/missing.txt", 1, 0), 2);
    EXPECT_EQ(shell.open(base + "/gone/missing.txt", 1, 0), 3);
}

// ---- system information lookup ------------------------------------------

const std::string kMsInfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kLocation = "SOFTWARE\\Microsoft\\Shared Tools Location";

SysInfoRegistry::Finder finderFor(std::map<std::string, std::string> found)
{
    return [found](const std::string& program) {
        auto it = found.find(program);
        return it == found.end() ? std::string() : it->second;
    };
}

TEST(SysInfoRegistry, FirstFoundToolIsTheMsInfoPath)
{
    struct Row {
        std::map<std::string, std::string> found;
        std::string commandLine;
    } rows[] = {
        {{}, ""},
        {{{"kinfocenter", "/usr/bin/kinfocenter"}}, "/usr/bin/kinfocenter"},
        {{{"kinfocenter", "/usr/bin/kinfocenter"}, {"hardinfo", "/usr/bin/hardinfo"}}, "/usr/bin/hardinfo"},
        {{{"gnome-control-center", "/usr/bin/gnome-control-center"}}, "/usr/bin/gnome-control-center info-overview"},
        {{{"hardinfo2", "/opt/my tools/hardinfo2"}}, "\"/opt/my tools/hardinfo2\""},
    };
    for (const Row& r : rows) {
        SysInfoRegistry reg(finderFor(r.found));
        EXPECT_EQ(reg.findCommandLine(), r.commandLine);
        Registry::Key key = -1;
        const long opened = reg.openKey(Registry::HKEY_LOCAL_MACHINE, kMsInfo, 0x2003F, key);
        if (r.commandLine.empty()) {
            EXPECT_NE(opened, 0);
            continue;
        }
        ASSERT_EQ(opened, 0);
        std::uint32_t type = 0;
        std::string data;
        ASSERT_EQ(reg.queryValue(key, "PATH", type, data, 1024), 0);
        EXPECT_EQ(type, Registry::REG_SZ);
        EXPECT_EQ(data, r.commandLine + '\0');
        EXPECT_NE(reg.queryValue(key, "Other", type, data, 1024), 0);
        EXPECT_EQ(reg.closeKey(key), 0);
    }
}

TEST(SysInfoRegistry, OtherKeysRootsAndSmallBuffersFail)
{
    SysInfoRegistry reg(finderFor({{"hardinfo", "/usr/bin/hardinfo"}}));
    Registry::Key key = -1;
    EXPECT_NE(reg.openKey(Registry::HKEY_LOCAL_MACHINE, kLocation, 0x2003F, key), 0);
    EXPECT_EQ(key, 0);
    EXPECT_NE(reg.openKey(static_cast<Registry::Key>(0x80000001u), kMsInfo, 0x2003F, key), 0);
    ASSERT_EQ(reg.openKey(Registry::HKEY_LOCAL_MACHINE, kMsInfo, 0x2003F, key), 0);
    std::uint32_t type = 0;
    std::string data = "stale";
    EXPECT_NE(reg.queryValue(key, "PATH", type, data, 5), 0);
    EXPECT_TRUE(data.empty());
    EXPECT_NE(reg.queryValue(key + 1, "PATH", type, data, 1024), 0);
}

// ---- files, clipboard, pointer, app info --------------------------------

TEST(QtServices, FilesExistAndRemove)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("Hokey.mid").toStdString();
    QtFiles files;
    EXPECT_FALSE(files.exists(path));
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_TRUE(files.exists(path));
    EXPECT_FALSE(files.exists(dir.path().toStdString()));  // a folder is not a file
    EXPECT_TRUE(files.remove(path));
    EXPECT_FALSE(files.exists(path));
    EXPECT_FALSE(files.remove(path));
}

TEST(QtServices, BusyPointerIsOneOverrideCursor)
{
    {
        QtPointer p;
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        p.setBusy(true);
        p.setBusy(true);
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        p.setBusy(false);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        p.setBusy(false);
        p.setBusy(true);
    }
    // Destroyed while busy: the pointer comes back.
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(QtServices, AppInfoCarriesTheProjectVersionAndFolder)
{
    const AppInfo info = BuildAppInfo();
    const std::string version =
        std::to_string(info.major) + "." + std::to_string(info.minor) + "." + std::to_string(info.revision);
    EXPECT_EQ(version, MEGATALLY_PROJECT_VERSION);
    EXPECT_EQ(info.folder, QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString());
}

TEST(QtServices, QtPlatformInstallsAndRemovesItsServices)
{
    {
        QtPlatform qp;
        EXPECT_FALSE(appInfo().folder.empty());
        clipboard().setText("77");
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "77");
        EXPECT_NE(dynamic_cast<QtFiles*>(&files()), nullptr);
    }
    EXPECT_EQ(dynamic_cast<QtFiles*>(&files()), nullptr);
    EXPECT_EQ(clipboard().text(), "");
}

// The clipboard's text comes in UTF-8 pieces of 65,536 characters, in
// order, and reading stops when the reader says so. Taking and reading, and
// making ready and setting, may happen on two threads.
TEST(QtServices, ClipboardReadInPieces)
{
    QtClipboard clip;
    const std::string text = std::string(70000, '1') + "\xc2\xb0" + std::string(70000, '2');
    clip.setText(text);
    for (const int stopAfter : {1, 2, 3}) {
        std::string read;
        int pieces = 0;
        clip.readText([&](std::string_view piece) {
            read += piece;
            return ++pieces < stopAfter;
        });
        EXPECT_EQ(pieces, stopAfter);
        EXPECT_EQ(read, text.substr(0, std::min<std::size_t>(text.size(), 65536u * stopAfter + (stopAfter > 1))));
    }
    // Taken, then read on another thread after the clipboard has changed:
    // the text as it was when taken.
    const Clipboard::Taken taken = clip.takeText();
    clip.setText("1");
    std::string read;
    std::thread([&] { taken.read([&](std::string_view piece) { return read += piece, true; }); }).join();
    EXPECT_EQ(read, text);
    EXPECT_EQ(taken.size, 140001u);  // characters: the degree sign is one
    // Made ready on another thread, put there when run.
    std::function<void()> put;
    std::thread([&] { put = clip.prepareText(text); }).join();
    EXPECT_EQ(clip.text(), "1");
    put();
    EXPECT_EQ(clip.text(), text);
    clip.clear();
}

}  // namespace
}  // namespace platform::qt
