// What every calc test shares: a recording view, a worker that records or
// cancels, a replay of button sequences written as words, the expected-state
// record and its check, and the one table-driven test of sequences.
#pragma once

#include "calc/Engine.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace calc::test {

using Lines = std::vector<std::string>;

// Records what the engine shows; captions, focus moves, readout changes,
// history lines and zoom windows also go into the fake platform's ordered log.
class FakeView final : public View {
public:
    explicit FakeView(std::vector<std::string>& log) : log_(log) {}
    std::string wordsCaption;
    std::string memoryCaption;
    bool memoryButtonsEnabled = false;
    bool metric = true;
    std::vector<std::string> historyLines;  // in the order they were prepended, the trimmed ones gone
    std::string historyNotice;              // the notice closing a trimmed tape
    // What each zoom window writes back on closing (nullopt: closed in its
    // words view); with the queue empty it writes back the readout as shown.
    std::deque<std::optional<std::string>> zoomResults;

    void setWordsCaption(std::string c) override
    {
        wordsCaption = c;
        log_.push_back("caption:" + c);
    }
    void setMemoryCaption(std::string c) override { memoryCaption = c; }
    void setMemoryButtonsEnabled(bool enabled) override { memoryButtonsEnabled = enabled; }
    bool metricToImperial() override { return metric; }
    void focusSetFocusButton() override { log_.push_back("focus"); }
    void readoutChanged(std::string text) override { log_.push_back("readout:" + text); }
    void historyPrepended(std::string line) override
    {
        historyLines.push_back(line);
        log_.push_back("history");
    }
    void historyTrimmed(std::size_t removed, const std::string& notice) override
    {
        historyLines.erase(historyLines.begin(), historyLines.begin() + static_cast<std::ptrdiff_t>(removed));
        historyNotice = notice;
        log_.push_back("trimmed");
    }
    std::optional<std::string> showZoom(const std::string& readout, const std::string& words) override;

private:
    std::vector<std::string>& log_;
};

// Runs inline and logs "compute"; with cancel set it computes and then
// answers as a cancelled run.
class RecordingWorker final : public Worker {
public:
    explicit RecordingWorker(std::vector<std::string>& log) : log_(log) {}
    bool cancel = false;
    int runs = 0;
    std::optional<std::string> run(const std::function<std::string()>& compute) override;

private:
    std::vector<std::string>& log_;
};

// A fresh engine on a fresh fake platform.
struct Harness {
    platform::FakePlatform platform;
    FakeView view{platform.log};
    RecordingWorker worker{platform.log};
    Engine engine{view, worker};

    // Replays words separated by blanks. Digits and points type them ("12",
    // "1.5"); "/ + X - = % C CE MS MR MC M+ M- sq cube sqrt cbrt fact log pi e
    // mod pow copy paste menupaste zoom dblreadout dblwords enter" and the
    // conversions "mm-in cm-ft m-yd km-mile ml-oz l-qt l-gal l-cuin g-oz kg-lb
    // c-f" press buttons; "bs" is the Backspace key; "key:<chars>" goes
    // through the key map. Set-up words: "metric" / "imperial" choose the
    // direction, "yes" / "no" queue an answer, "clip:<text>" fills the
    // clipboard, "back:<text>" and "wordsview" tell the next zoom window how
    // it closes, "|" clears the log (see Effects).
    void replay(const std::string& sequence);
    const CalcState& state() const { return engine.state(); }
};

// The log since the last "|", reduced to: busy default yield compute focus
// readout history zoom:<readout>|<words> clipboard:<clear|set>
// message:<title> notice ("This could take a while") and "pi notice".
// Sequences name very long numbers as runs, "{N*c}" for N copies of the
// character c, so that tables of them cost nothing until a test replays them.
std::string Run(std::size_t n, char c);
std::string ExpandRuns(const std::string& text);

Lines Effects(const Harness& h);

// Every message shown, as "title|icon|buttons|text".
Lines Messages(const Harness& h);
inline const std::string kDivideByZero = "Calculator|Exclamation|OK|Can't divide by zero";

// The expected state after a sequence; unset fields are not checked.
struct Expect {
    std::optional<std::string> readout = std::nullopt;
    std::optional<Lines> tape = std::nullopt;  // history lines, newest first
    std::optional<std::string> first = std::nullopt;
    std::optional<std::string> second = std::nullopt;
    std::optional<std::string> lastInput = std::nullopt;
    std::optional<std::string> pending = std::nullopt;
    std::optional<int> count = std::nullopt;
    std::optional<Boolean> decimal = std::nullopt;
    std::optional<Lines> messages = std::nullopt;      // as Messages gives them
    std::optional<std::string> memory = std::nullopt;  // register, lblMem
    std::optional<bool> memoryButtons = std::nullopt;  // MR and MC enabled
    std::optional<std::string> words = std::nullopt;   // caption of the words label
    std::optional<std::string> readoutWords = std::nullopt;
    std::optional<std::string> clipboard = std::nullopt;
    std::optional<Lines> effects = std::nullopt;  // as Effects gives them
};

// Checks every set field against the engine, the view and the platform, and
// that the pointer is back to the default.
void Check(const Harness& h, const Expect& e);

// One row of the sequence tables: replay keys (after putting clip on the
// clipboard when given) on a fresh engine and check expect.
struct Row {
    const char* name;
    std::string keys;
    Expect expect;
    std::optional<std::string> clip = std::nullopt;
};
inline std::ostream& operator<<(std::ostream& os, const Row& r) { return os << r.name << ": " << r.keys; }
inline std::string RowName(const ::testing::TestParamInfo<Row>& i) { return i.param.name; }
class Sequence : public ::testing::TestWithParam<Row> {};

// The rows of a tab-separated data file under calc/tests/data ("#" lines
// and empty lines skipped).
std::vector<Lines> ReadVectors(const std::string& name);

}  // namespace calc::test
