#include "about/FrmAbout.h"

#include "platform/fake/FakePlatform.h"
#include "platform/qt/Twips.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace about {
namespace {

using platform::qt::TwipsToPx;

template <class W>
W* child(QWidget& w, const char* name)
{
    W* c = w.findChild<W*>(name);
    EXPECT_NE(c, nullptr) << name;
    return c;
}

class FrmAboutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::install(platform::AppInfo{1, 2, 27, "/opt/megatally"});
        calc.setGeometry(100, 80, 700, 600);
        calc.show();
    }
    void TearDown() override { platform::install(platform::AppInfo{}); }
    platform::FakePlatform fake;
    QWidget calc;
};

TEST_F(FrmAboutTest, CaptionsAndControls)
{
    for (int round = 0; round < 2; ++round) {  // the same every time it opens
        FrmAbout about(&calc);
        EXPECT_EQ(about.windowTitle(), "About Megatally");
        EXPECT_TRUE(about.isModal());
        EXPECT_EQ(child<QLabel>(about, "lblTitle")->text(), "Megatally");
        EXPECT_EQ(child<QLabel>(about, "lblTitle1")->text(), "Megatally");
        EXPECT_EQ(child<QLabel>(about, "lblVersion")->text(), "Version 1.2.27");
        EXPECT_EQ(child<QLabel>(about, "lblAppNameAtternate")->text(),
                  "(A Calculator that can be used with numbers that are thousands of digits long.)");
        EXPECT_EQ(child<QLabel>(about, "lblDescription")->text(),
                  "Using \"String Theory\" to solve 5th Grade Math problems");
        EXPECT_EQ(child<QLabel>(about, "Label1")->text(), "For additional information contact:");
        EXPECT_EQ(child<QPushButton>(about, "cmdOK")->text(), "OK");
        EXPECT_EQ(child<QPushButton>(about, "cmdDirections")->text(), "String Theory??");
        EXPECT_EQ(child<QPushButton>(about, "cmdSysInfo")->text(), "&System Info...");
        for (const char* name : {"Image1", "Image2", "lblMailTo", "lblLinkTo", "Label2", "lblDisclaimer"})
            child<QWidget>(about, name);
        child<QWidget>(about, "Shape1");
        const QString text = child<QPlainTextEdit>(about, "txtStringTheory")->toPlainText();
        EXPECT_TRUE(text.contains("My definition of String Theory is: \nPerform arithmetic"));
        EXPECT_TRUE(child<QPlainTextEdit>(about, "txtStringTheory")->isReadOnly());
    }
}

TEST_F(FrmAboutTest, HeightToggleAndCentring)
{
    FrmAbout about(&calc);
    const double dpi = about.dpi();
    about.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(about.height(), TwipsToPx(4755 - 435, dpi));
    EXPECT_EQ(about.width(), TwipsToPx(8085, dpi));
    // Centred over the calculator window by its outer design size.
    const QRect c = calc.frameGeometry();
    EXPECT_NEAR(about.frameGeometry().x(), c.x() + (c.width() - TwipsToPx(8175, dpi)) / 2.0, 1);
    EXPECT_NEAR(about.frameGeometry().y(), c.y() + (c.height() - TwipsToPx(4755, dpi)) / 2.0, 1);

    QWidget* theory = child<QWidget>(about, "txtStringTheory");
    QWidget* sysInfo = child<QWidget>(about, "cmdSysInfo");
    auto seen = [&](QWidget* w) { return about.rect().contains(w->geometry()); };
    EXPECT_FALSE(seen(theory));
    EXPECT_FALSE(seen(sysInfo));

    QTest::mouseClick(child<QPushButton>(about, "cmdDirections"), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(about.state().height, 8295);
    EXPECT_EQ(about.height(), TwipsToPx(8295 - 435, dpi));
    EXPECT_TRUE(seen(theory));
    EXPECT_TRUE(seen(sysInfo));

    QTest::mouseClick(child<QPushButton>(about, "cmdDirections"), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(about.state().height, 4755);
    EXPECT_EQ(about.height(), TwipsToPx(4755 - 435, dpi));
}

TEST_F(FrmAboutTest, LinksGoThroughTheShell)
{
    FrmAbout about(&calc);
    about.show();
    fake.shellResult = 2;  // a failure is not shown
    QTest::mouseClick(child<QWidget>(about, "lblLinkTo"), Qt::LeftButton);
    QTest::mouseClick(child<QWidget>(about, "lblMailTo"), Qt::LeftButton);
    EXPECT_EQ(fake.opened, (std::vector<std::string>{kWebAddress, std::string("mailto:") + kMailAddress}));
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_TRUE(about.isVisible());
}

TEST_F(FrmAboutTest, SysInfoButtonAndOkWithCleanup)
{
    fake.existingFiles.insert("/opt/megatally/Hokey.mid");
    FrmAbout about(&calc);
    about.show();
    QTest::mouseClick(child<QPushButton>(about, "cmdDirections"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(about, "cmdSysInfo"), Qt::LeftButton);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, kSysInfoUnavailable);
    EXPECT_TRUE(about.isVisible());  // the window stays open
    EXPECT_TRUE(fake.removedFiles.empty());

    QTest::mouseClick(child<QPushButton>(about, "cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(fake.mediaCommands, std::vector<std::string>{"close Hokey"});
    EXPECT_EQ(fake.removedFiles, std::vector<std::string>{"/opt/megatally/Hokey.mid"});
}

TEST_F(FrmAboutTest, ShowAboutIsModalAndEscapeCloses)
{
    bool sawModal = false;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<FrmAbout*>(QApplication::activeModalWidget());
        sawModal = about != nullptr;
        if (about)
            QTest::keyClick(about, Qt::Key_Escape);
    });
    ShowAbout(&calc);
    EXPECT_TRUE(sawModal);
}

}  // namespace
}  // namespace about
