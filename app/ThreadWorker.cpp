#include "app/ThreadWorker.h"

#include "platform/Platform.h"

#include <QEventLoop>
#include <QMetaObject>

#include <exception>
#include <new>
#include <thread>

namespace app {

std::optional<std::string> ThreadWorker::run(const std::function<std::string()>& compute)
{
    std::optional<std::string> result;
    std::exception_ptr error;
    bool outOfMemory = false;
    QEventLoop loop;
    ++depth_;
    std::thread thread([&] {
        try {
            result = compute();
        } catch (const std::bad_alloc&) {
            outOfMemory = true;
        } catch (...) {
            error = std::current_exception();
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    thread.join();
    --depth_;
    if (error)
        std::rethrow_exception(error);
    if (outOfMemory) {
        // The numbers are too long for this machine; the engine leaves its
        // state as it was before the command.
        platform::showMessage("Not enough memory to finish this calculation.", "Megatally",
                              platform::Icon::Exclamation);
        return std::nullopt;
    }
    return result;
}

}  // namespace app
