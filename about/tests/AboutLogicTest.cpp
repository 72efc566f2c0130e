// The About window's logic: the registry and shell steps behind "System
// Info..." and the links, and the unload clean-up.
#include "about/AboutLogic.h"
#include "about/ShellExecute.h"

#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

#include <optional>

namespace about {
namespace {

using Log = std::vector<std::string>;
using Registry = std::map<std::string, std::map<std::string, std::string>>;
const std::string kMsInfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kLocation = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string kFolder = "C:\\Program Files\\Common Files\\MSInfo";
const std::string kTool = kFolder + "\\MSINFO32.EXE";
const std::string kPage = "https://www.example.org/a page";
const std::string kUnavailable = "Megatally: System Information Is Unavailable At This Time";

// The registry calls for reading one key (and one of its values).
Log reads(const std::string& key, const char* value = nullptr)
{
    Log l{"registry:open:" + key};
    if (value)
        l.push_back(std::string("registry:query:") + value);
    l.push_back("registry:close");
    return l;
}

Log operator+(Log a, const Log& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// One step sequence: "read" is GetKeyValue of key and value (answer "1:" or
// "0:" and the text read), "sysinfo" StartSysInfo, "open" ShellOpen of the
// target in key (answer: the text it returns).
struct Step {
    const char* what;
    std::string key, value;
    Registry registry;
    std::set<std::string> files;
    int shellResult;
    std::string answer;
    Log log;            // what the platform was asked, in order
    Log commands = {};  // the command lines run
    std::string message = "";
};

void PrintTo(const Step& s, std::ostream* os)
{
    *os << s.what << " " << s.key << " " << s.value << " " << s.shellResult;
}

// GetKeyValue of kMsInfo's value from a key holding `stored` (none: no such key).
Step read(const char* value, std::optional<std::string> stored, const std::string& answer)
{
    Registry registry;
    if (stored)
        registry[kMsInfo] = {{"PATH", *stored}, {"Empty", ""}};
    return {"read", kMsInfo, value, registry, {}, 42, answer, reads(kMsInfo, stored ? value : nullptr)};
}

Step sysInfo(Registry registry, std::set<std::string> files, Log log, Log commands, std::string message = "")
{
    return {
        "sysinfo",         "", "", std::move(registry), std::move(files), 42, "", std::move(log), std::move(commands),
        std::move(message)};
}

Step shellCode(int code, const std::string& text) { return {"open", kPage, "", {}, {}, code, text, {"shell:open"}}; }

Step chooser(const std::string& target)  // code 31: the Open With chooser, the target verbatim
{
    return {"open",
            target,
            "",
            {},
            {},
            31,
            "",
            {"shell:open", "shell:run"},
            {"rundll32.exe shell32.dll,OpenAs_RunDLL " + target}};
}

class Steps : public ::testing::TestWithParam<Step> {};

TEST_P(Steps, FollowTheirOrderAndCodes)
{
    const Step& s = GetParam();
    platform::FakePlatform fake;
    fake.registryValues = s.registry;
    fake.existingFiles = s.files;
    fake.shellResult = s.shellResult;
    std::string answer, key = s.key, value = s.value;
    if (s.what == std::string("read")) {
        platform::Registry::Key root = platform::Registry::HKEY_LOCAL_MACHINE;
        std::string read = "stale";
        answer = (GetKeyValue(root, key, value, read) == kTrue ? "1:" : "0:") + read;
    } else if (s.what == std::string("sysinfo")) {
        StartSysInfo();
    } else {
        std::int32_t show = 1, owner = 77;
        answer = ShellOpen(key, show, owner);
        EXPECT_EQ(key, s.key);  // the caller's target stays as it was
        EXPECT_EQ(fake.opened, Log{s.key});
    }
    EXPECT_EQ(answer, s.answer);
    EXPECT_EQ(fake.log, s.log);
    EXPECT_EQ(fake.commands, s.commands);
    std::string shown;
    for (const platform::ShownMessage& m : fake.messages)
        shown += m.title + ": " + m.text;
    EXPECT_EQ(shown, s.message);
}

const Registry kLocationOnly = {{kLocation, {{"MSINFO", kFolder}}}};

INSTANTIATE_TEST_SUITE_P(
    About, Steps,
    ::testing::Values(read("PATH", "C:\\Tools\\MSINFO32.EXE", "1:C:\\Tools\\MSINFO32.EXE"), read("Empty", "x", "1:"),
                      read("Missing", "x", "0:"), read("PATH", std::nullopt, "0:"),  // no key: still closed
                      // 1,023 characters and the NUL fill the buffer; one more does not fit.
                      read("PATH", std::string(1023, 'a'), "1:" + std::string(1023, 'a')),
                      read("PATH", std::string(1024, 'a'), "0:"),
                      // The first key wins and the second is not read; the second needs the program file.
                      sysInfo({{kMsInfo, {{"PATH", "C:\\MSINFO32.EXE"}}}, {kLocation, {{"MSINFO", kFolder}}}}, {},
                              reads(kMsInfo, "PATH") + Log{"shell:run"}, {"C:\\MSINFO32.EXE"}),
                      sysInfo(kLocationOnly, {kTool}, reads(kMsInfo) + reads(kLocation, "MSINFO") + Log{"shell:run"},
                              {kTool}),
                      sysInfo(kLocationOnly, {}, reads(kMsInfo) + reads(kLocation, "MSINFO") + Log{"message:Megatally"},
                              {}, kUnavailable),
                      sysInfo({}, {}, reads(kMsInfo) + reads(kLocation) + Log{"message:Megatally"}, {}, kUnavailable),
                      shellCode(0, "Out of Memory / Resources!"), shellCode(2, "Bad File / File not found!"),
                      shellCode(3, "Bad Path / Path not found!"), shellCode(11, "Bad File Format!"), shellCode(1, ""),
                      shellCode(30, ""), shellCode(32, ""), shellCode(33, ""), shellCode(-1, ""), chooser(kPage),
                      chooser("C:\\My Documents\\odd \"file\".xyz")));

TEST(UnloadCleanup, ClosesThenDeletesAPresentTuneWithOneSeparator)
{
    const struct {
        std::string folder, tune;
    } rows[] = {
        {"/opt/megatally", "/opt/megatally/Hokey.mid"},
        {"/opt/megatally/", "/opt/megatally/Hokey.mid"},
        {"", "/Hokey.mid"},
    };
    for (const auto& r : rows) {
        platform::FakePlatform fake;
        platform::install(platform::AppInfo{1, 2, 27, r.folder});
        UnloadCleanup();
        EXPECT_TRUE(fake.log.empty()) << "no tune, nothing to do";
        fake.existingFiles.insert(r.tune);
        UnloadCleanup();
        EXPECT_EQ(fake.log, (Log{"media:close Hokey", "file:remove:" + r.tune}));
        EXPECT_TRUE(fake.existingFiles.empty());
        platform::install(platform::AppInfo{});
    }
    EXPECT_EQ(HokeyPath("C:\\Program Files\\Megatally", '\\'), "C:\\Program Files\\Megatally\\Hokey.mid");
    EXPECT_EQ(HokeyPath("C:\\", '\\'), "C:\\Hokey.mid");
}

}  // namespace
}  // namespace about
