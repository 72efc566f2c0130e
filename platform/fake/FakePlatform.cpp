#include "platform/fake/FakePlatform.h"

namespace platform {

FakePlatform::FakePlatform()
{
    install(static_cast<MessageBox*>(this));
    install(static_cast<Pointer*>(this));
    install(static_cast<EventLoop*>(this));
    install(static_cast<Clipboard*>(this));
    install(static_cast<Shell*>(this));
    install(static_cast<Registry*>(this));
    install(static_cast<Media*>(this));
    install(static_cast<Files*>(this));
}

FakePlatform::~FakePlatform()
{
    install(static_cast<MessageBox*>(nullptr));
    install(static_cast<Pointer*>(nullptr));
    install(static_cast<EventLoop*>(nullptr));
    install(static_cast<Clipboard*>(nullptr));
    install(static_cast<Shell*>(nullptr));
    install(static_cast<Registry*>(nullptr));
    install(static_cast<Media*>(nullptr));
    install(static_cast<Files*>(nullptr));
}

Answer FakePlatform::show(const std::string& text, const std::string& title, Icon icon, Buttons buttons)
{
    Answer a = Answer::OK;
    if (buttons == Buttons::YesNo) {
        if (!answers.empty()) {
            a = answers.front();
            answers.pop_front();
        } else {
            a = defaultAnswer;
        }
    }
    messages.push_back({text, title, icon, buttons, a});
    log.push_back("message:" + title);
    return a;
}

void FakePlatform::setBusy(bool b)
{
    busy = b;
    log.push_back(b ? "busy" : "default");
}

void FakePlatform::yieldOnce()
{
    ++yields;
    log.push_back("yield");
}

void FakePlatform::clear()
{
    clipboardText.clear();
    log.push_back("clipboard:clear");
}

void FakePlatform::setText(const std::string& t)
{
    clipboardText = t;
    log.push_back("clipboard:set");
}

std::string FakePlatform::text() { return clipboardText; }

Clipboard::Taken FakePlatform::takeText()
{
    return {clipboardText.size(), [this, t = clipboardText](const Sink& sink) {
                for (std::size_t at = 0; at < t.size(); at += readPiece) {
                    ++piecesRead;
                    if (!sink(std::string_view(t).substr(at, readPiece)))
                        return;
                }
            }};
}

int FakePlatform::open(const std::string& target, int, std::intptr_t)
{
    opened.push_back(target);
    log.push_back("shell:open");
    return shellResult;
}

void FakePlatform::run(const std::string& commandLine, int)
{
    commands.push_back(commandLine);
    log.push_back("shell:run");
}

long FakePlatform::openKey(Key, const std::string& path, std::uint32_t, Key& out)
{
    log.push_back("registry:open:" + path);
    if (registryValues.find(path) == registryValues.end()) {
        out = 0;
        return 2;
    }
    out = nextKey_++;
    openKeys_[out] = path;
    return 0;
}

long FakePlatform::queryValue(Key key, const std::string& name, std::uint32_t& type, std::string& data,
                              std::uint32_t bufferSize)
{
    log.push_back("registry:query:" + name);
    auto k = openKeys_.find(key);
    if (k == openKeys_.end())
        return 6;
    auto& values = registryValues[k->second];
    auto v = values.find(name);
    if (v == values.end())
        return 2;
    type = REG_SZ;
    // The registry hands text back with its terminating NUL.
    data = v->second + '\0';
    if (data.size() > bufferSize)
        return 234;  // more data than the buffer holds
    return 0;
}

long FakePlatform::closeKey(Key key)
{
    log.push_back("registry:close");
    openKeys_.erase(key);
    return 0;
}

long FakePlatform::sendString(const std::string& command)
{
    mediaCommands.push_back(command);
    log.push_back("media:" + command);
    return 0;
}

bool FakePlatform::exists(const std::string& path) { return existingFiles.count(path) != 0; }

bool FakePlatform::remove(const std::string& path)
{
    log.push_back("file:remove:" + path);
    removedFiles.push_back(path);
    return existingFiles.erase(path) != 0;
}

}  // namespace platform
