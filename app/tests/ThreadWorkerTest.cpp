#include "app/ThreadWorker.h"

#include "platform/qt/QtPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <thread>

namespace app {
namespace {

TEST(ThreadWorker, RunsOffTheWindowThreadAndReturnsTheResult)
{
    ThreadWorker worker;
    const auto windowThread = std::this_thread::get_id();
    std::thread::id ranOn;
    bool busyInside = false;
    auto r = worker.run([&] {
        ranOn = std::this_thread::get_id();
        busyInside = worker.busy();
        return std::string("36");
    });
    EXPECT_EQ(r, std::optional<std::string>("36"));
    EXPECT_NE(ranOn, windowThread);
    EXPECT_TRUE(busyInside);
    EXPECT_FALSE(worker.busy());
}

TEST(ThreadWorker, TimersAreServedWhileItWaits)
{
    ThreadWorker worker;
    std::atomic<bool> fired{false};
    QTimer::singleShot(0, [&] { fired = true; });
    auto r = worker.run([&] {
        while (!fired)
            std::this_thread::yield();
        return std::string("done");
    });
    EXPECT_EQ(r, std::optional<std::string>("done"));
}

TEST(ThreadWorker, ExceptionsComeBackToTheCaller)
{
    ThreadWorker worker;
    EXPECT_THROW(worker.run([]() -> std::string { throw std::runtime_error("x"); }), std::runtime_error);
    EXPECT_FALSE(worker.busy());
}

TEST(ThreadWorker, MessageBoxFromTheWorkerIsShownByTheWindowThread)
{
    platform::qt::QtMessageBox box;
    platform::install(&box);
    ThreadWorker worker;
    QString seenTitle;
    bool onWindowThread = false;
    std::function<void()> closeBox = [&] {
        auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!m) {
            QTimer::singleShot(5, closeBox);
            return;
        }
        seenTitle = m->windowTitle();
        onWindowThread = m->thread() == QCoreApplication::instance()->thread();
        m->button(QMessageBox::Yes)->click();
    };
    QTimer::singleShot(0, closeBox);
    auto r = worker.run([] {
        auto a = platform::showMessage("Sure?", "Yikes!", platform::Icon::Question, platform::Buttons::YesNo);
        return std::string(a == platform::Answer::Yes ? "yes" : "no");
    });
    platform::install(static_cast<platform::MessageBox*>(nullptr));
    EXPECT_EQ(r, std::optional<std::string>("yes"));
    EXPECT_EQ(seenTitle, "Yikes!");
    EXPECT_TRUE(onWindowThread);
}

}  // namespace
}  // namespace app
