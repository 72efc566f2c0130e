// Drives the real main window: finds its children, plays input, runs code
// while a modal window or a long computation is up, and takes snapshots of
// everything the window and its engine keep. Message boxes, the clipboard
// and the pointer are the recording fakes.
#pragma once

#include "app/FrmCalc.h"
#include "arith/Cancel.h"

#include "platform/fake/FakePlatform.h"
#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <tuple>

namespace app {

class CalcWindow : public ::testing::Test {
public:
    void SetUp() override
    {
        platform::install(platform::qt::BuildAppInfo());
        w = std::make_unique<FrmCalc>();
        w->worker().cancelDelay = std::chrono::milliseconds(0);  // the Cancel button is there at once
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    void TearDown() override
    {
        w.reset();
        platform::install(platform::AppInfo{});
    }

    template <class T = QWidget> T* find(const char* name)
    {
        T* c = w->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    QAction* action(const char* name) { return find<QAction>(name); }
    QString readout() { return find<display::NumberView>("txtReadout")->displayText(); }
    QString words() { return find<display::NumberView>("lbltxtNum")->displayText(); }
    QString history() { return find<display::NumberView>("txtHistory")->displayText(); }
    QWidget* focusTarget() { return QApplication::focusWidget() ? QApplication::focusWidget() : w.get(); }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(focusTarget(), k, m); }
    void click(const std::string& name) { QTest::mouseClick(find<QPushButton>(name.c_str()), Qt::LeftButton); }
    // Plays a script of input: characters are typed, "\x1b" is Escape, "\r"
    // Return, "\n" Enter, "{Name}" clicks the button Name and "[Name]" gives
    // it the focus.
    void type(const std::string& script)
    {
        for (std::size_t i = 0; i < script.size(); ++i) {
            const char c = script[i];
            if (c == '{' || c == '[') {
                const std::size_t end = script.find(c == '{' ? '}' : ']', i);
                const std::string name = script.substr(i + 1, end - i - 1);
                if (c == '{')
                    click(name);
                else
                    find(name.c_str())->setFocus();
                i = end;
            } else if (c == '\x1b' || c == '\r' || c == '\n') {
                key(c == '\x1b' ? Qt::Key_Escape : c == '\r' ? Qt::Key_Return : Qt::Key_Enter);
            } else {
                QTest::keyClick(focusTarget(), c);
            }
        }
    }

    // Runs open(); inside() is called with the modal window it brings up and
    // must close it. False when no such window came up.
    template <class Dialog>
    bool whileModal(const std::function<void()>& open, const std::function<void(Dialog&)>& inside)
    {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            seen = d != nullptr;
            if (d)
                inside(*d);
        });
        open();
        return seen;
    }

    bool busy() { return w->worker().busy(); }
    // Calls step on the window thread every few milliseconds while the work
    // runs, until it answers true.
    void duringWork(std::function<bool()> step)
    {
        // The first tick comes with the first events handled, which is
        // while the work runs; the timer ends with the window at the latest.
        auto* timer = new QTimer(w.get());
        QObject::connect(timer, &QTimer::timeout, timer, [this, timer, step] {
            timer->setInterval(5);
            if (!busy() || step()) {
                timer->stop();
                timer->deleteLater();
            }
        });
        timer->start(0);
    }

    // Plays command; the work is held at its first poll, cancel() runs once
    // the Cancel button shows, and the held poll then finds the flag set.
    // Work that never polls runs on to its end (and fails the caller's checks).
    void cancelDuring(const std::string& command, const std::function<void()>& cancel)
    {
        arith::HoldAtPoll hold(1);
        arith::PollHookScope hook(hold);
        bool sent = false;
        duringWork([&] {
            if (!hold.reached() || !find("cmdCancelWork")->isVisible())
                return false;
            cancel();
            sent = true;
            hold.release();
            return true;
        });
        type(command);
        hold.release();
        EXPECT_TRUE(sent) << "the work never reached a poll with the Cancel button showing";
    }

    // Every field the engine keeps and what the window shows.
    auto snapshot()
    {
        const calc::Engine& e = w->engine();
        const calc::CalcState& s = e.state();
        return std::make_tuple(s.firstOperand, s.secondOperand, s.decimalEntered, s.operandCount, s.lastInput,
                               s.pendingOperator, s.readoutSnapshot, s.memoryValue, s.readoutText, s.historyText.str(),
                               e.WordsCaption(), e.MemoryCaption(), e.ReadoutWords(), readout(), words(), history());
    }
    // "title: text" of each message box shown.
    std::string messages()
    {
        std::string shown;
        for (const platform::ShownMessage& m : fake.messages)
            shown += m.title + ": " + m.text;
        return shown;
    }
    // No work, the default pointer, no Cancel button, no progress bar.
    void expectIdle()
    {
        EXPECT_FALSE(busy());
        EXPECT_FALSE(fake.busy);
        EXPECT_FALSE(find("cmdCancelWork")->isVisible());
        EXPECT_FALSE(find("prgWork")->isVisible());
    }

    platform::FakePlatform fake;
    std::unique_ptr<FrmCalc> w;
};

}  // namespace app
