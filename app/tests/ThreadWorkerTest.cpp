#include "app/ThreadWorker.h"

#include "arith/Cancel.h"
#include "platform/fake/FakePlatform.h"
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

// The work ignores the flag (no poll) and finishes after the cancel: its
// result and its message are dropped.
TEST(ThreadWorker, AfterACancelNeitherResultNorMessageComesThrough)
{
    platform::FakePlatform fake;
    ThreadWorker worker;
    QTimer::singleShot(0, [&] { worker.cancel(); });
    bool finished = false;
    auto r = worker.run([&] {
        while (!arith::cancelRequested())
            std::this_thread::yield();
        platform::showMessage("Error: Divide by Zero.", "Big Math(Divide)");
        finished = true;
        return std::string("late");
    });
    EXPECT_TRUE(finished);
    EXPECT_EQ(r, std::nullopt);
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_FALSE(worker.busy());
    EXPECT_FALSE(worker.cancelling());
}

TEST(ThreadWorker, CancelledWorkEndsTheRunWithNothing)
{
    ThreadWorker worker;
    int finished = 0;
    worker.onFinished = [&] { ++finished; };
    QTimer::singleShot(0, [&] { worker.cancel(); });
    auto r = worker.run([]() -> std::string {
        for (;;)
            arith::pollCancel();
    });
    EXPECT_EQ(r, std::nullopt);
    EXPECT_EQ(finished, 1);
    worker.cancel();  // idle: nothing to cancel, the next run is not affected
    EXPECT_EQ(worker.run([] { return std::string("7"); }), std::optional<std::string>("7"));
}

TEST(ThreadWorker, RunningOutOfMemoryIsAMessageAndNoResult)
{
    const struct {
        const char* name;
        std::function<std::string()> work;
    } rows[] = {
        {"bad_alloc", []() -> std::string { throw std::bad_alloc(); }},
        {"length_error", [] { std::string s; return s.append(s.max_size() + 1, '7'); }},
    };
    for (const auto& row : rows) {
        platform::FakePlatform fake;
        ThreadWorker worker;
        EXPECT_EQ(worker.run(row.work), std::nullopt) << row.name;
        ASSERT_EQ(fake.messages.size(), 1u) << row.name;
        EXPECT_EQ(fake.messages[0].text, kOutOfMemoryText);
        EXPECT_EQ(fake.messages[0].title, kOutOfMemoryTitle);
    }
}

TEST(ThreadWorker, FeedbackComesAfterItsDelays)
{
    using namespace std::chrono_literals;
    ThreadWorker worker;
    worker.cancelDelay = 0ms;
    worker.progressDelay = 30ms;
    std::vector<std::string> seen;
    worker.onCancelShown = [&] { seen.push_back("cancel"); };
    worker.onProgressShown = [&] {
        seen.push_back("progress");
        worker.cancel();
    };
    worker.onFinished = [&] { seen.push_back("finished"); };
    auto r = worker.run([]() -> std::string {
        for (;;)
            arith::pollCancel();
    });
    EXPECT_EQ(r, std::nullopt);
    EXPECT_EQ(seen, (std::vector<std::string>{"cancel", "progress", "finished"}));
}

}  // namespace
}  // namespace app
