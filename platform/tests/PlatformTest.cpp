#include "platform/Platform.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

namespace {

TEST(Platform, QuietDefaultsWhenNothingInstalled)
{
    EXPECT_EQ(platform::showMessage("x", "t"), platform::Answer::OK);
    EXPECT_EQ(platform::showMessage("x", "t", platform::Icon::Question, platform::Buttons::YesNo),
              platform::Answer::No);
    EXPECT_EQ(platform::clipboard().text(), "");
    EXPECT_FALSE(platform::files().exists("/"));
    platform::Registry::Key k = 1;
    EXPECT_NE(platform::registry().openKey(platform::Registry::HKEY_LOCAL_MACHINE, "A", 0, k), 0);
}

TEST(Platform, FakeRecordsInOrderAndUninstalls)
{
    {
        platform::FakePlatform fake;
        fake.answers = {platform::Answer::No};
        platform::pointer().setBusy(true);
        platform::eventLoop().yieldOnce();
        EXPECT_EQ(platform::showMessage("q", "Yikes!", platform::Icon::Question, platform::Buttons::YesNo),
                  platform::Answer::No);
        EXPECT_EQ(platform::showMessage("q", "Yikes!", platform::Icon::Question, platform::Buttons::YesNo),
                  platform::Answer::Yes);
        platform::clipboard().setText("12");
        EXPECT_EQ(platform::clipboard().text(), "12");
        EXPECT_EQ(fake.log,
                  (std::vector<std::string>{"busy", "yield", "message:Yikes!", "message:Yikes!", "clipboard:set"}));
    }
    EXPECT_EQ(platform::clipboard().text(), "");
}

}  // namespace
