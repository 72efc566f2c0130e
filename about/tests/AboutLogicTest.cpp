#include "about/AboutLogic.h"

#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

namespace about {
namespace {

using Log = std::vector<std::string>;
const std::string kMsInfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kLocation = "SOFTWARE\\Microsoft\\Shared Tools Location";

// ---- GetKeyValue ----------------------------------------------------------

TEST(GetKeyValue, ReadsTextAndAlwaysClosesTheKey)
{
    platform::FakePlatform fake;
    fake.registryValues[kMsInfo]["PATH"] = "C:\\Tools\\MSINFO32.EXE";
    fake.registryValues[kMsInfo]["Empty"] = "";
    struct Row {
        std::string key, value;
        Boolean result;
        std::string read;
        Log log;
    } rows[] = {
        {kMsInfo, "PATH", kTrue, "C:\\Tools\\MSINFO32.EXE",
         {"registry:open:" + kMsInfo, "registry:query:PATH", "registry:close"}},
        {kMsInfo, "Empty", kTrue, "", {"registry:open:" + kMsInfo, "registry:query:Empty", "registry:close"}},
        {kMsInfo, "Missing", kFalse, "",
         {"registry:open:" + kMsInfo, "registry:query:Missing", "registry:close"}},
        {kLocation, "MSINFO", kFalse, "", {"registry:open:" + kLocation, "registry:close"}},
    };
    for (Row& r : rows) {
        fake.log.clear();
        platform::Registry::Key root = platform::Registry::HKEY_LOCAL_MACHINE;
        std::string val = "stale";
        EXPECT_EQ(GetKeyValue(root, r.key, r.value, val), r.result) << r.value;
        EXPECT_EQ(val, r.read);
        EXPECT_EQ(fake.log, r.log);
    }
}

TEST(GetKeyValue, ValueLongerThanTheBufferFails)
{
    platform::FakePlatform fake;
    fake.registryValues[kMsInfo]["PATH"] = std::string(1023, 'a');  // + NUL = 1024: fits
    fake.registryValues[kMsInfo]["LONG"] = std::string(1024, 'a');
    platform::Registry::Key root = platform::Registry::HKEY_LOCAL_MACHINE;
    std::string key = kMsInfo, name = "PATH", val;
    EXPECT_EQ(GetKeyValue(root, key, name, val), kTrue);
    EXPECT_EQ(val.size(), 1023u);
    name = "LONG";
    EXPECT_EQ(GetKeyValue(root, key, name, val), kFalse);
    EXPECT_EQ(val, "");
}

// ---- StartSysInfo -----------------------------------------------------------

TEST(StartSysInfo, FirstKeyWinsAndTheSecondIsNotRead)
{
    platform::FakePlatform fake;
    fake.registryValues[kMsInfo]["PATH"] = "C:\\Program Files\\MSINFO32.EXE";
    fake.registryValues[kLocation]["MSINFO"] = "C:\\Other";
    StartSysInfo();
    EXPECT_EQ(fake.commands, Log{"C:\\Program Files\\MSINFO32.EXE"});
    EXPECT_EQ(fake.log, (Log{"registry:open:" + kMsInfo, "registry:query:PATH", "registry:close", "shell:run"}));
    EXPECT_TRUE(fake.messages.empty());
}

TEST(StartSysInfo, SecondKeyNeedsTheProgramFile)
{
    const std::string folder = "C:\\Program Files\\Common Files\\MSInfo";
    for (bool present : {true, false}) {
        platform::FakePlatform fake;
        fake.registryValues[kLocation]["MSINFO"] = folder;
        if (present)
            fake.existingFiles.insert(folder + "\\MSINFO32.EXE");
        StartSysInfo();
        const Log reads{"registry:open:" + kMsInfo, "registry:close", "registry:open:" + kLocation,
                        "registry:query:MSINFO", "registry:close"};
        Log expected = reads;
        expected.push_back(present ? "shell:run" : "message:Megatally");
        EXPECT_EQ(fake.log, expected);
        if (present) {
            EXPECT_EQ(fake.commands, Log{folder + "\\MSINFO32.EXE"});
        }
    }
}

TEST(StartSysInfo, NoToolGivesTheUnavailableMessage)
{
    platform::FakePlatform fake;
    StartSysInfo();
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "System Information Is Unavailable At This Time");
    EXPECT_EQ(fake.messages[0].title, "Megatally");
    EXPECT_EQ(fake.messages[0].icon, platform::Icon::None);
    EXPECT_EQ(fake.messages[0].buttons, platform::Buttons::OK);
    EXPECT_TRUE(fake.commands.empty());
}

// ---- unload clean-up ----------------------------------------------------------

TEST(HokeyPath, OneSeparatorBetweenFolderAndFile)
{
    struct Row {
        std::string folder;
        char sep;
        std::string path;
    } rows[] = {
        {"C:\\", '\\', "C:\\Hokey.mid"},
        {"C:\\Program Files\\Megatally", '\\', "C:\\Program Files\\Megatally\\Hokey.mid"},
        {"/usr/bin", '/', "/usr/bin/Hokey.mid"},
        {"/", '/', "/Hokey.mid"},
        {"", '/', "/Hokey.mid"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(HokeyPath(r.folder, r.sep), r.path);
}

TEST(UnloadCleanup, ClosesThenDeletesAPresentTune)
{
    platform::FakePlatform fake;
    platform::install(platform::AppInfo{1, 2, 27, "/opt/megatally"});
    const std::string tune = "/opt/megatally/Hokey.mid";
    UnloadCleanup();
    EXPECT_TRUE(fake.log.empty());
    fake.existingFiles.insert(tune);
    UnloadCleanup();
    EXPECT_EQ(fake.log, (Log{"media:close Hokey", "file:remove:" + tune}));
    EXPECT_TRUE(fake.existingFiles.empty());
    platform::install(platform::AppInfo{});
}

// ---- load and height ----------------------------------------------------------

TEST(LoadAbout, CaptionsVersionAndCentring)
{
    struct Row {
        platform::AppInfo info;
        std::string version;
        double calcLeft, calcTop, calcWidth, calcHeight;
        double left, top;
    } rows[] = {
        {{1, 2, 27, ""}, "Version 1.2.27", 1000, 2000, 9000, 7000, 1000 + (9000 - 8175) / 2.0,
         2000 + (7000 - 4755) / 2.0},
        {{3, 0, 105, ""}, "Version 3.0.105", 0, 0, 8000, 4000, -87.5, -377.5},
    };
    for (const Row& r : rows) {
        AboutState s;
        LoadAbout(s, r.info, r.calcLeft, r.calcTop, r.calcWidth, r.calcHeight);
        EXPECT_EQ(s.caption, "About Megatally");
        EXPECT_EQ(s.version, r.version);
        EXPECT_EQ(s.title, "Megatally");
        EXPECT_EQ(s.title1, "Megatally");
        EXPECT_EQ(s.appNameAlternate,
                  "(A Calculator that can be used with numbers that are thousands of digits long.)");
        EXPECT_DOUBLE_EQ(s.left, r.left);
        EXPECT_DOUBLE_EQ(s.top, r.top);
        EXPECT_DOUBLE_EQ(s.height, 4755);
    }
}

TEST(LoadAbout, ExplanationTextPieces)
{
    AboutState s;
    LoadAbout(s, {}, 0, 0, 0, 0);
    const std::string& t = s.explanation;
    const std::string mine =
        "\r\n\r\nMy definition of String Theory is: \r\nPerform arithmetic operations (add, subtract, "
        "multiply, divide, etc.) on sets of strings that happen to look like numbers.  At no time during "
        "the operation of this application are any math operations performed by built in math functions.  "
        "All math functions were written by me starting with the 4 basic ones.  I found programing the Root "
        "operations to be especially challenging, and the formatting of numbers, and their conversion into "
        "words to be the most tedious.\r\n\r\n";
    const auto at = t.find(mine);
    ASSERT_NE(at, std::string::npos);
    EXPECT_GT(at, 0u);                                 // the physics definition comes first
    EXPECT_EQ(t.find("\r\n"), at);                     // as one paragraph
    EXPECT_GT(t.size(), at + mine.size());             // and the signature line last
    EXPECT_EQ(t.find("\r\n", at + mine.size()), std::string::npos);
    AboutState again;
    LoadAbout(again, {}, 0, 0, 0, 0);
    EXPECT_EQ(again.explanation, t);
}

TEST(ToggleHeight, SwitchesBetweenShortAndTall)
{
    AboutState s;
    ToggleHeight(s);
    EXPECT_DOUBLE_EQ(s.height, 8295);
    ToggleHeight(s);
    EXPECT_DOUBLE_EQ(s.height, 4755);
    s.height = 6000;  // any other height goes back to the short one
    ToggleHeight(s);
    EXPECT_DOUBLE_EQ(s.height, 4755);
}

}  // namespace
}  // namespace about
