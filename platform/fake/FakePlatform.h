// Recording stand-ins for every platform service, for tests.
//
// A FakePlatform installs itself on construction and restores the quiet
// defaults on destruction. Everything the code under test asks of the
// platform is appended to one ordered log, so a test can check both what
// was shown and in which order things happened (pointer, yield, message).
#pragma once

#include "platform/Platform.h"

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace platform {

struct ShownMessage {
    std::string text;
    std::string title;
    Icon icon;
    Buttons buttons;
    Answer answer;
};

class FakePlatform final : public MessageBox,
                           public Pointer,
                           public EventLoop,
                           public Clipboard,
                           public Shell,
                           public Registry,
                           public Media,
                           public Files {
public:
    FakePlatform();
    ~FakePlatform() override;
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    // --- scripted answers ---
    // Answers given to Yes/No questions, in order; when the queue is empty
    // a question is answered with defaultAnswer.
    std::deque<Answer> answers;
    Answer defaultAnswer = Answer::Yes;
    int shellResult = 42;  // what open() returns
    // Registry contents: key path -> (value name -> text value).
    std::map<std::string, std::map<std::string, std::string>> registryValues;
    std::set<std::string> existingFiles;

    // --- what happened ---
    std::vector<ShownMessage> messages;
    std::vector<std::string> log;  // "busy", "default", "yield", "message:<title>", "clipboard:clear", ...
    bool busy = false;
    std::string clipboardText;
    std::vector<std::string> opened;    // targets handed to open()
    std::vector<std::string> commands;  // command lines handed to run()
    std::vector<std::string> mediaCommands;
    std::vector<std::string> removedFiles;
    int yields = 0;

    // MessageBox
    Answer show(const std::string& text, const std::string& title, Icon icon, Buttons buttons) override;
    // Pointer
    void setBusy(bool b) override;
    // EventLoop
    void yieldOnce() override;
    // Clipboard
    void clear() override;
    void setText(const std::string& text) override;
    std::string text() override;
    // Hands clipboardText over in pieces of readPiece characters; the
    // pieces read are counted in piecesRead.
    Taken takeText() override;
    std::size_t readPiece = 1 << 16;
    int piecesRead = 0;
    // Shell
    int open(const std::string& target, int showCommand, std::intptr_t ownerWindow) override;
    void run(const std::string& commandLine, int windowStyle) override;
    // Registry
    long openKey(Key root, const std::string& path, std::uint32_t access, Key& out) override;
    long queryValue(Key key, const std::string& name, std::uint32_t& type, std::string& data,
                    std::uint32_t bufferSize) override;
    long closeKey(Key key) override;
    // Media
    long sendString(const std::string& command) override;
    // Files
    bool exists(const std::string& path) override;
    bool remove(const std::string& path) override;

private:
    std::map<Key, std::string> openKeys_;
    Key nextKey_ = 100;
};

}  // namespace platform
