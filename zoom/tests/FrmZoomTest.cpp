#include "zoom/FrmZoom.h"

#include "display/NumberView.h"
#include "display/tests/TestNumbers.h"
#include "platform/qt/Twips.h"

#include <QLabel>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

namespace zoom {
namespace {

using platform::qt::TwipsToPx;

class FrmZoomTest : public ::testing::Test {
protected:
    void open(const std::string& readout, const std::string& words)
    {
        owner.setGeometry(200, 150, 600, 500);
        owner.show();
        z = std::make_unique<FrmZoom>(&owner, readout, words);
        box = z->findChild<display::NumberView*>("txtZoom");
        ASSERT_NE(box, nullptr);
        d = z->dpi();
    }
    QString caption() { return z->findChild<QLabel*>("lblDigitCount")->text(); }
    int px(double twips) { return TwipsToPx(twips, d); }

    QWidget owner;
    std::unique_ptr<FrmZoom> z;
    display::NumberView* box = nullptr;
    double d = 96;
};

TEST_F(FrmZoomTest, OpensWithTheDigitsAgainstTheMainWindow)
{
    open("-1,234", "(Minus) One Thousand, Two Hundred Thirty Four");
    EXPECT_TRUE(z->isModal());
    EXPECT_EQ(caption(), "Count of digits is : 4");
    EXPECT_EQ(box->displayText(), "-1,234");
    EXPECT_FALSE(box->isReadOnly());
    EXPECT_EQ(z->pos(), owner.frameGeometry().topLeft() + QPoint(px(240), px(990)));
    EXPECT_EQ(box->geometry(), QRect(px(135), px(375), px(7470), px(5505)));
}

TEST_F(FrmZoomTest, TheBoxFollowsTheWindowSize)
{
    open("5", "Five");
    z->show();
    const int menu = z->findChild<QMenuBar*>()->height();
    const QPoint boxAt = box->pos();
    z->resize(px(9000), menu + px(8000));
    QCoreApplication::processEvents();
    EXPECT_NEAR(box->width(), px(9000 + 90 - 480), 1);
    EXPECT_NEAR(box->height(), px(8000 + 495 - 1095), 1);
    EXPECT_EQ(box->pos(), boxAt);
    // An outer height of 1,200 twips or less leaves the height alone.
    const int before = box->height();
    z->resize(px(5000), menu + px(600));
    QCoreApplication::processEvents();
    ASSERT_LE(z->height() - menu, px(705));
    EXPECT_EQ(box->height(), before);
    EXPECT_NEAR(box->width(), px(5000 + 90 - 480), 1);
}

// Edits and view changes, then closing (or Escape): what the box shows last
// and what is written back. Script: '<' Backspace at the end, '#' the
// Number view, '@' the Text view, '!' Escape; other characters are typed.
TEST_F(FrmZoomTest, ClosingInTheDigitsViewWritesTheBoxBack)
{
    const struct {
        const char *readout, *words, *script, *shown;
        std::optional<std::string> written;
    } rows[] = {
        {"8.", "Eight", "", "8.", "8."},
        {"1,234,567", "words", "<89", "1,234,5689", "1,234,5689"},
        {"12.5", "Twelve", "777@", "Twelve", std::nullopt},  // words are never written back
        {"12.5", "Twelve", "777@#", "12.5", "12.5"},         // the edits went with the view
        {"1,234.", "words", "99#", "1,234.", "1,234."},      // choosing the shown view reloads it
        {"12.5", "Twelve", "@edited!", "editedTwelve", std::nullopt},
    };
    for (const auto& r : rows) {
        open(r.readout, r.words);
        z->show();
        QString shown;  // what the box shows last while the window is open
        for (const char* c = r.script; *c; ++c) {
            if (*c == '#' || *c == '@') {
                z->findChild<QAction*>(*c == '#' ? "mnuNumber" : "mnuText")->trigger();
            } else if (*c == '<') {
                box->setCursorPosition(box->length());
                QTest::keyClick(box, Qt::Key_Backspace);
            } else if (*c == '!') {
                shown = box->displayText();
                QTest::keyClick(box, Qt::Key_Escape);
            } else {
                QTest::keyClick(box, *c);
            }
        }
        if (z->isVisible())
            shown = box->displayText();
        EXPECT_EQ(shown, r.shown) << r.script;
        EXPECT_EQ(caption(), QString::fromStdString(DigitCountCaption(r.readout))) << "in either view";
        z->close();
        EXPECT_EQ(z->writeBack(), r.written) << r.script;
    }
}

// At 2,000,000 digits: the count, edits in the middle and at both ends,
// the views, and the edited text written back whole.
TEST_F(FrmZoomTest, EditsAndWritesBackAMillionsOfDigitsNumber)
{
    const std::string readout = display::GroupedDigits(2'000'000) + ".25";
    open(readout, "Too Big");
    z->show();
    EXPECT_EQ(caption(), "Count of digits is : 2000002");
    EXPECT_EQ(box->text(), readout);
    EXPECT_EQ(z->focusWidget(), box);

    std::string expected = readout;
    const std::int64_t middle = box->length() / 2;
    box->setCursorPosition(middle);
    QTest::keyClicks(box, "90");
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Delete);
    expected.replace(static_cast<std::size_t>(middle), 1, "9");
    QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    expected.erase(0, 1);
    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    expected.pop_back();
    EXPECT_EQ(box->text(), expected);
    EXPECT_EQ(caption(), "Count of digits is : 2000002") << "counted once, on opening";

    // The words view and back: the readout again, the edits gone.
    z->findChild<QAction*>("mnuText")->trigger();
    EXPECT_EQ(box->text(), "Too Big");
    z->findChild<QAction*>("mnuNumber")->trigger();
    EXPECT_EQ(box->text(), readout);
    box->setCursorPosition(box->length());
    QTest::keyClick(box, '7');
    z->close();
    ASSERT_TRUE(z->writeBack().has_value());
    EXPECT_EQ(*z->writeBack(), readout + "7");
}

}  // namespace
}  // namespace zoom
