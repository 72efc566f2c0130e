// Test doubles for the engine: a recording view, workers that record or
// cancel, and a replay of button/key sequences written as words.
#pragma once

#include "calc/Engine.h"
#include "platform/fake/FakePlatform.h"

#include <deque>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace calc::test {

// Records what the engine shows; every call is also appended to the fake
// platform's ordered log, so the order against pointer, yield and messages
// can be checked.
class FakeView final : public View {
public:
    explicit FakeView(std::vector<std::string>& log) : log_(log) {}

    std::string wordsCaption;
    std::string memoryCaption;
    bool memoryButtonsEnabled = false;
    bool metric = true;
    int focusMoves = 0;
    int readoutChanges = 0;
    std::vector<std::string> historyLines;  // in the order they were prepended
    // What each zoom window does on closing: write back a text, or nullopt
    // (closed in the words view). An empty queue writes back the readout
    // unchanged, as a zoom window opened and closed at once does.
    std::deque<std::optional<std::string>> zoomResults;
    std::vector<std::string> zoomShownReadout;
    std::vector<std::string> zoomShownWords;

    void setWordsCaption(const std::string& caption) override
    {
        wordsCaption = caption;
        log_.push_back("caption:" + caption);
    }
    void setMemoryCaption(const std::string& caption) override { memoryCaption = caption; }
    void setMemoryButtonsEnabled(bool enabled) override { memoryButtonsEnabled = enabled; }
    bool metricToImperial() override { return metric; }
    void focusSetFocusButton() override
    {
        ++focusMoves;
        log_.push_back("focus");
    }
    void readoutChanged(const std::string& text) override
    {
        ++readoutChanges;
        log_.push_back("readout:" + text);
    }
    void historyPrepended(const std::string& line) override
    {
        historyLines.push_back(line);
        log_.push_back("history:" + line);
    }
    std::optional<std::string> showZoom(const std::string& readout, const std::string& words) override
    {
        zoomShownReadout.push_back(readout);
        zoomShownWords.push_back(words);
        log_.push_back("zoom");
        if (zoomResults.empty())
            return readout;
        std::optional<std::string> r = zoomResults.front();
        zoomResults.pop_front();
        return r;
    }

private:
    std::vector<std::string>& log_;
};

// Runs inline and logs "compute" at the point where the work happens.
class RecordingWorker final : public Worker {
public:
    explicit RecordingWorker(std::vector<std::string>& log) : log_(log) {}
    bool cancel = false;  // answer every run as cancelled (after computing)
    int runs = 0;
    std::optional<std::string> run(const std::function<std::string()>& compute) override
    {
        ++runs;
        log_.push_back("compute");
        std::string r = compute();
        if (cancel)
            return std::nullopt;
        return r;
    }

private:
    std::vector<std::string>& log_;
};

// A fresh engine on a fresh fake platform.
struct Harness {
    platform::FakePlatform platform;
    FakeView view{platform.log};
    RecordingWorker worker{platform.log};
    Engine engine{view, worker};

    // Replays words separated by blanks. A word of digits and points types
    // them ("12", "1.5"); the others name buttons:
    //   / + X - =  %  C  CE  MS MR MC M+ M-  sq cube sqrt cbrt fact log pi e
    //   mod pow  copy paste zoom dblreadout dblwords  metric imperial
    //   mm-in cm-ft m-yd km-mile ml-oz l-qt l-gal l-cuin g-oz kg-lb c-f
    //   key:<characters>  (each character through the key map)
    void replay(const std::string& sequence);
    void press(const std::string& word);

    const CalcState& state() const { return engine.state(); }
};

// The expected state after a sequence; unset fields are not checked.
struct Expect {
    std::optional<std::string> readout = std::nullopt;
    std::optional<std::vector<std::string>> tape = std::nullopt;  // history lines, newest first
    std::optional<std::string> first = std::nullopt;
    std::optional<std::string> second = std::nullopt;
    std::optional<std::string> lastInput = std::nullopt;
    std::optional<std::string> pending = std::nullopt;
    std::optional<int> count = std::nullopt;
    std::optional<Boolean> decimal = std::nullopt;
    std::optional<std::vector<std::string>> messageTitles = std::nullopt;  // every message shown, in order
    std::optional<std::string> memory = std::nullopt;
    std::optional<bool> memoryButtons = std::nullopt;
    std::optional<std::string> words = std::nullopt;  // caption of the words label
    std::optional<std::string> clipboard = std::nullopt;
};

// Checks every set field against the engine, the view and the platform.
void Check(const Harness& h, const Expect& e);

// The tape text for lines given newest first.
std::string Tape(const std::vector<std::string>& lines);

// Further button words, registered by the tests of the function commands
// (sqrt cbrt fact log pi e), which need the whole arithmetic.
std::map<std::string, void (Engine::*)()>& ExtraButtons();

// Words of the whole number as the words module spells them (for captions).
std::string Words(const std::string& integerPart);

}  // namespace calc::test
