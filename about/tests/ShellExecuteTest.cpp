#include "about/ShellExecute.h"

#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

namespace about {
namespace {

struct CodeRow {
    int code;
    const char* text;
    bool chooser;  // the Open With chooser is started
};

class ShellOpenCodes : public ::testing::TestWithParam<CodeRow> {};

TEST_P(ShellOpenCodes, MapsTheShellResult)
{
    const CodeRow row = GetParam();
    platform::FakePlatform fake;
    fake.shellResult = row.code;
    std::string target = "https://www.example.org/a page";
    std::int32_t show = 1;
    std::int32_t owner = 77;
    EXPECT_EQ(ShellOpen(target, show, owner), row.text);
    EXPECT_EQ(target, "https://www.example.org/a page");
    ASSERT_EQ(fake.opened.size(), 1u);
    EXPECT_EQ(fake.opened[0], target);
    if (row.chooser) {
        ASSERT_EQ(fake.commands.size(), 1u);
        EXPECT_EQ(fake.commands[0], "rundll32.exe shell32.dll,OpenAs_RunDLL https://www.example.org/a page");
        EXPECT_EQ(fake.log, (std::vector<std::string>{"shell:open", "shell:run"}));
    } else {
        EXPECT_TRUE(fake.commands.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ShellOpenCodes,
                         ::testing::Values(CodeRow{0, "Out of Memory / Resources!", false},
                                           CodeRow{2, "Bad File / File not found!", false},
                                           CodeRow{3, "Bad Path / Path not found!", false},
                                           CodeRow{11, "Bad File Format!", false},
                                           CodeRow{31, "", true},
                                           CodeRow{1, "", false},
                                           CodeRow{5, "", false},
                                           CodeRow{26, "", false},
                                           CodeRow{27, "", false},
                                           CodeRow{32, "", false},
                                           CodeRow{33, "", false},
                                           CodeRow{42, "", false},
                                           CodeRow{-1, "", false}));

TEST(ShellOpen, ChooserCommandAppendsTargetVerbatim)
{
    platform::FakePlatform fake;
    fake.shellResult = 31;
    for (std::string target : {"C:\\My Documents\\odd file.xyz", "", "\"quoted\""}) {
        fake.commands.clear();
        std::int32_t show = 1, owner = 0;
        ShellOpen(target, show, owner);
        ASSERT_EQ(fake.commands.size(), 1u);
        EXPECT_EQ(fake.commands[0], std::string(kOpenWithCommand) + target);
    }
}

}  // namespace
}  // namespace about
