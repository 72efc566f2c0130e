#include "zoom/FrmZoom.h"

#include "platform/qt/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace zoom {
namespace {

using platform::qt::TwipsToPx;

QAction* action(QWidget& w, const char* name)
{
    auto* a = w.findChild<QAction*>(name);
    EXPECT_NE(a, nullptr) << name;
    return a;
}

TEST(FrmZoom, LoadShowsDigitsCountAndMenu)
{
    QWidget owner;
    owner.setGeometry(200, 150, 600, 500);
    owner.show();
    FrmZoom z(&owner, "-1,234", "(Minus) One Thousand, Two Hundred Thirty Four");
    EXPECT_EQ(z.windowTitle(), "Zoom");
    EXPECT_TRUE(z.isModal());
    EXPECT_EQ(z.findChild<QLabel*>("lblDigitCount")->text(), "Count of digits is : 4");
    auto* box = z.findChild<QPlainTextEdit*>("txtZoom");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->toPlainText(), "-1,234");
    EXPECT_FALSE(box->isReadOnly());
    EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    auto* disp = z.findChild<QMenu*>("mnuDisp");
    ASSERT_NE(disp, nullptr);
    EXPECT_EQ(disp->title(), "Disolay As");
    EXPECT_EQ(action(z, "mnuNumber")->text(), "Number");
    EXPECT_EQ(action(z, "mnuText")->text(), "Text");

    // Placed against the main window, at the design size.
    const double d = z.dpi();
    EXPECT_EQ(z.pos(), owner.frameGeometry().topLeft() + QPoint(TwipsToPx(240, d), TwipsToPx(990, d)));
    EXPECT_EQ(box->geometry(), QRect(TwipsToPx(135, d), TwipsToPx(375, d), TwipsToPx(7470, d), TwipsToPx(5505, d)));
}

TEST(FrmZoom, ResizeRuleInPixels)
{
    FrmZoom z(nullptr, "5", "Five");
    z.show();
    auto* box = z.findChild<QPlainTextEdit*>("txtZoom");
    const double d = z.dpi();
    const int menu = z.findChild<QMenuBar*>()->height();
    const QRect designBox = box->geometry();

    z.resize(TwipsToPx(9000, d), menu + TwipsToPx(8000, d));
    QCoreApplication::processEvents();
    EXPECT_NEAR(box->width(), TwipsToPx(9000 + 90 - 480, d), 1);
    EXPECT_NEAR(box->height(), TwipsToPx(8000 + 495 - 1095, d), 1);
    EXPECT_EQ(box->pos(), designBox.topLeft());

    // An outer height of 1,200 twips or less leaves the height alone.
    const int before = box->height();
    z.resize(TwipsToPx(5000, d), menu + TwipsToPx(600, d));
    QCoreApplication::processEvents();
    ASSERT_LE(z.height() - menu, TwipsToPx(705, d));
    EXPECT_EQ(box->height(), before);
    EXPECT_NEAR(box->width(), TwipsToPx(5000 + 90 - 480, d), 1);
}

TEST(FrmZoom, ClosingInDigitsViewWritesTheEditBack)
{
    FrmZoom z(nullptr, "1,234,567", "words");
    z.show();
    auto* box = z.findChild<QPlainTextEdit*>("txtZoom");
    box->moveCursor(QTextCursor::End);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, "89");
    z.close();
    EXPECT_EQ(z.writeBack(), std::optional<std::string>("1,234,5689"));
}

TEST(FrmZoom, TextViewAndBackDiscardsEdits)
{
    FrmZoom z(nullptr, "12.5", "Twelve");
    z.show();
    auto* box = z.findChild<QPlainTextEdit*>("txtZoom");
    QTest::keyClicks(box, "777");
    action(z, "mnuText")->trigger();
    EXPECT_EQ(box->toPlainText(), "Twelve");
    EXPECT_EQ(z.findChild<QLabel*>("lblDigitCount")->text(), "Count of digits is : 3");
    action(z, "mnuNumber")->trigger();
    EXPECT_EQ(box->toPlainText(), "12.5");
    action(z, "mnuText")->trigger();
    QTest::keyClicks(box, "edited");
    z.reject();  // Escape
    EXPECT_EQ(z.writeBack(), std::nullopt);
}

TEST(FrmZoom, ShowZoomIsModal)
{
    bool sawModal = false;
    QTimer::singleShot(0, [&] {
        auto* z = qobject_cast<FrmZoom*>(QApplication::activeModalWidget());
        sawModal = z != nullptr;
        if (z)
            z->close();
    });
    EXPECT_EQ(ShowZoom(nullptr, "8.", "Eight"), std::optional<std::string>("8."));
    EXPECT_TRUE(sawModal);
}

}  // namespace
}  // namespace zoom
