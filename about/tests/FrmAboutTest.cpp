#include "about/FrmAbout.h"

#include "platform/fake/FakePlatform.h"
#include "platform/qt/Twips.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace about {
namespace {

using platform::qt::TwipsToPx;

class FrmAboutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::install(platform::AppInfo{1, 2, 27, "/opt/megatally"});
        calc.setGeometry(100, 80, 700, 600);
        calc.show();
        about = std::make_unique<FrmAbout>(&calc);
    }
    void TearDown() override
    {
        about.reset();
        platform::install(platform::AppInfo{});
    }
    template <class W = QWidget> W* child(const char* name)
    {
        W* c = about->findChild<W*>(name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    void click(const char* name) { QTest::mouseClick(child(name), Qt::LeftButton); }

    platform::FakePlatform fake;
    QWidget calc;
    std::unique_ptr<FrmAbout> about;
};

TEST_F(FrmAboutTest, ShowsTheVersionTogglesItsHeightAndIsCentred)
{
    EXPECT_EQ(child<QLabel>("lblVersion")->text(), "Version 1.2.27");
    EXPECT_TRUE(child<QPlainTextEdit>("txtStringTheory")->toPlainText().contains("is: \nPerform arithmetic"));
    const double dpi = about->dpi();
    about->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(about->width(), TwipsToPx(8085, dpi));
    // Centred over the calculator window by its outer design size.
    const QRect c = calc.frameGeometry();
    EXPECT_NEAR(about->frameGeometry().x(), c.x() + (c.width() - TwipsToPx(8175, dpi)) / 2.0, 1);
    EXPECT_NEAR(about->frameGeometry().y(), c.y() + (c.height() - TwipsToPx(4755, dpi)) / 2.0, 1);
    // The explanation and System Info are seen only when the window is tall.
    for (int clicks = 0; clicks < 3; ++clicks) {
        const double height = clicks % 2 ? 8295 : 4755;
        EXPECT_DOUBLE_EQ(about->state().height, height);
        EXPECT_EQ(about->height(), TwipsToPx(height - 435, dpi));
        for (const char* name : {"txtStringTheory", "cmdSysInfo"})
            EXPECT_EQ(about->rect().contains(child(name)->geometry()), height == 8295) << name << height;
        click("cmdDirections");
    }
}

TEST_F(FrmAboutTest, LinksGoThroughTheShellAndFailuresAreNotShown)
{
    about->show();
    fake.shellResult = 2;
    click("lblLinkTo");
    click("lblMailTo");
    EXPECT_EQ(fake.opened, (std::vector<std::string>{kWebAddress, std::string("mailto:") + kMailAddress}));
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_TRUE(about->isVisible());
}

TEST_F(FrmAboutTest, SysInfoKeepsTheWindowOpenAndOkCleansUp)
{
    fake.existingFiles.insert("/opt/megatally/Hokey.mid");
    about->show();
    click("cmdDirections");
    click("cmdSysInfo");
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "System Information Is Unavailable At This Time");
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(fake.removedFiles.empty());
    click("cmdOK");
    EXPECT_FALSE(about->isVisible());
    EXPECT_EQ(fake.mediaCommands, std::vector<std::string>{"close Hokey"});
    EXPECT_EQ(fake.removedFiles, std::vector<std::string>{"/opt/megatally/Hokey.mid"});
}

}  // namespace
}  // namespace about
