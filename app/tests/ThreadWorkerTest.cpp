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

// What comes back from one piece of work: its result, or nothing and the
// out-of-memory message, or its exception. The work runs off the window
// thread, which serves its timers meanwhile.
TEST(ThreadWorker, ResultsMessagesAndExceptionsComeBackToTheCaller)
{
    const std::string oom = std::string(kOutOfMemoryTitle) + ": " + kOutOfMemoryText;
    const struct {
        const char* name;
        std::function<std::string()> work;
        std::optional<std::string> result;
        std::string message;
    } rows[] = {
        {"result", [] { return std::string("36"); }, "36", ""},
        {"bad_alloc", []() -> std::string { throw std::bad_alloc(); }, std::nullopt, oom},
        {"length_error",
         [] {
             std::string s;
             return s.append(s.max_size() + 1, '7');
         },
         std::nullopt, oom},
        {"runtime_error", []() -> std::string { throw std::runtime_error("x"); }, std::nullopt, ""},
    };
    for (const auto& row : rows) {
        platform::FakePlatform fake;
        ThreadWorker worker;
        const auto windowThread = std::this_thread::get_id();
        std::atomic<bool> timerFired{false}, busyInside{false}, offTheWindowThread{false};
        QTimer::singleShot(0, [&] { timerFired = true; });
        const auto work = [&] {
            busyInside = worker.busy();
            offTheWindowThread = std::this_thread::get_id() != windowThread;
            while (!timerFired)
                std::this_thread::yield();
            return row.work();
        };
        if (row.name == std::string("runtime_error")) {
            EXPECT_THROW(worker.run(work), std::runtime_error);
        } else {
            EXPECT_EQ(worker.run(work), row.result) << row.name;
        }
        EXPECT_EQ(fake.messages.empty() ? "" : fake.messages[0].title + ": " + fake.messages[0].text, row.message);
        EXPECT_LE(fake.messages.size(), 1u);
        EXPECT_TRUE(busyInside && offTheWindowThread) << row.name;
        EXPECT_FALSE(worker.busy()) << row.name;
    }
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

// Work that polls stops at the cancel; the feedback comes after its delays.
TEST(ThreadWorker, CancelledWorkEndsTheRunWithNothingAfterItsFeedback)
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
    worker.cancel();              // idle: nothing to cancel, the next run is not affected
    worker.onProgressShown = {};  // (its cancel would hit a run slower than the delay)
    EXPECT_EQ(worker.run([] { return std::string("7"); }), std::optional<std::string>("7"));
}

}  // namespace
}  // namespace app
