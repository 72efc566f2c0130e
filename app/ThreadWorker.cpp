#include "app/ThreadWorker.h"

#include "arith/Cancel.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QThread>
#include <QTimer>

#include <exception>
#include <new>
#include <stdexcept>
#include <thread>

namespace app {

namespace {

bool onWindowThread()
{
    return !QCoreApplication::instance() || QThread::currentThread() == QCoreApplication::instance()->thread();
}

// Installed for the length of one run: a box the computation asks for from
// its thread is shown by the window thread through the message box that was
// installed before, unless the computation has been cancelled by then. The
// test is made on the window thread, where cancel() sets the flag, so a box
// can never come up after the user has cancelled.
class WorkerMessageBox final : public platform::MessageBox {
public:
    explicit WorkerMessageBox(const std::atomic<bool>& cancelled)
        : inner_(platform::messageBox()), cancelled_(cancelled)
    {
        platform::install(this);
    }
    ~WorkerMessageBox() override { platform::install(&inner_); }
    WorkerMessageBox(const WorkerMessageBox&) = delete;
    WorkerMessageBox& operator=(const WorkerMessageBox&) = delete;

    platform::Answer show(const std::string& text, const std::string& title, platform::Icon icon,
                          platform::Buttons buttons) override
    {
        if (onWindowThread())
            return inner_.show(text, title, icon, buttons);
        platform::Answer answer = buttons == platform::Buttons::YesNo ? platform::Answer::No : platform::Answer::OK;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [&] {
                if (!cancelled_.load())
                    answer = inner_.show(text, title, icon, buttons);
            },
            Qt::BlockingQueuedConnection);
        return answer;
    }

private:
    platform::MessageBox& inner_;
    const std::atomic<bool>& cancelled_;
};

}  // namespace

void ThreadWorker::cancel()
{
    if (flag_)
        flag_->store(true);
}

bool ThreadWorker::cancelling() const { return flag_ && flag_->load(); }

std::optional<std::string> ThreadWorker::run(const std::function<std::string()>& compute)
{
    std::atomic<bool> cancelFlag{false};
    std::atomic<bool> done{false};
    std::optional<std::string> result;
    std::exception_ptr error;
    bool outOfMemory = false;

    std::atomic<bool>* const outerFlag = flag_;
    flag_ = &cancelFlag;
    ++depth_;
    {
        WorkerMessageBox boxes(cancelFlag);
        QEventLoop loop;
        QTimer cancelTimer;
        QTimer progressTimer;
        cancelTimer.setSingleShot(true);
        progressTimer.setSingleShot(true);
        QObject::connect(&cancelTimer, &QTimer::timeout, [this] {
            if (onCancelShown)
                onCancelShown();
        });
        QObject::connect(&progressTimer, &QTimer::timeout, [this] {
            if (onProgressShown)
                onProgressShown();
        });
        cancelTimer.start(cancelDelay);
        progressTimer.start(progressDelay);

        std::thread thread([&] {
            arith::CancelScope scope(cancelFlag);
            try {
                result = compute();
            } catch (const arith::Cancelled&) {
                result.reset();
            } catch (const std::bad_alloc&) {
                outOfMemory = true;
            } catch (const std::length_error&) {
                outOfMemory = true;  // a text longer than the library can hold
            } catch (...) {
                error = std::current_exception();
            }
            done.store(true);
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
        // Every event is handled, input included, so that Escape and the
        // Cancel button get through; the window drops the rest of its input.
        loop.exec();
        while (!done.load()) {
            // The loop was told to end from elsewhere (the application is
            // quitting): stop the computation and keep serving its message
            // boxes until it has unwound.
            cancelFlag.store(true);
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        thread.join();
        if (onComputed)
            onComputed();
    }
    --depth_;
    flag_ = outerFlag;
    if (onFinished)
        onFinished();

    if (cancelFlag.load())
        return std::nullopt;  // whatever came back after the cancel is dropped
    if (error)
        std::rethrow_exception(error);
    if (outOfMemory) {
        // The engine leaves its state as it was before the command.
        platform::showMessage(kOutOfMemoryText, kOutOfMemoryTitle, platform::Icon::Exclamation);
        return std::nullopt;
    }
    return result;
}

}  // namespace app
