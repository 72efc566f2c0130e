// What the engine needs from the window and from the machinery that runs long
// computations. The window binds View to its controls; tests use a recording
// fake. Message boxes, the mouse pointer, the single yield and the clipboard
// come from platform/Platform.h.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

namespace calc {

class View {
public:
    virtual ~View() = default;

    // The caption of the words label lbltxtNum.
    virtual void setWordsCaption(std::string caption) = 0;
    // The caption of the memory label lblMem.
    virtual void setMemoryCaption(std::string caption) = 0;
    // Enabled state of cmdMemRecall ("MR") and cmdMemClear ("MC").
    virtual void setMemoryButtonsEnabled(bool enabled) = 0;
    // True while optDirection(0) "Metric to Imperial" is selected.
    virtual bool metricToImperial() = 0;
    // Moves the keyboard focus to the focus-sink button cmdSetFocus.
    virtual void focusSetFocusButton() = 0;
    // The readout text changed (after the words caption was updated). The
    // text is the view's own copy, made beside the window when it is long.
    virtual void readoutChanged(std::string readoutText) = 0;
    // A line was put on top of the history tape (the tape is now the line,
    // two CR LF pairs, then the old tape); the view's own copy of it.
    virtual void historyPrepended(std::string line) = 0;
    // Follows historyPrepended when the tape went over its budget
    // (calc/History.h): the removed oldest entries are gone from the bottom
    // of the tape, which now ends with the line notice (replacing an
    // earlier notice). The tape shown is again the engine's
    // CalcState::historyText.
    virtual void historyTrimmed(std::size_t removed, const std::string& notice) = 0;
    // Shows the zoom window modally with the readout and its words and
    // returns when it is closed: the text to write back into the readout
    // when it was closed in its digits view, nullopt otherwise.
    virtual std::optional<std::string> showZoom(const std::string& readoutText, const std::string& readoutWords) = 0;
};

// A view that shows nothing: metric to imperial, the zoom window closes at
// once without writing back. Tools derive from it to watch one method.
class NullView : public View {
public:
    void setWordsCaption(std::string) override {}
    void setMemoryCaption(std::string) override {}
    void setMemoryButtonsEnabled(bool) override {}
    bool metricToImperial() override { return true; }
    void focusSetFocusButton() override {}
    void readoutChanged(std::string) override {}
    void historyPrepended(std::string) override {}
    void historyTrimmed(std::size_t, const std::string&) override {}
    std::optional<std::string> showZoom(const std::string&, const std::string&) override { return std::nullopt; }
};

// Runs one computation of the engine. The engine calls it for every piece of
// arithmetic whose length depends on the user's numbers (operators, percent,
// square, cube, roots, log, pi, e, factorial, conversions, memory sums),
// after it has put up its notice, pointer and yield and before it applies
// the result. compute changes no engine state, so an implementation may run
// it on another thread; it may read the engine's long texts in place
// (copying them would hold the window), so run() returns only once compute
// has ended, and the window takes no input meanwhile. nullopt means the user
// cancelled, and the engine then leaves its state exactly as it was before
// the command.
class Worker {
public:
    virtual ~Worker() = default;
    virtual std::optional<std::string> run(const std::function<std::string()>& compute) = 0;

    // run() for a computation with a value of any movable type (a result
    // together with the texts that show it). The value is handed over
    // through a holder the computation shares, so that nothing it writes
    // outlives a worker that gave up waiting.
    template <class Compute> std::optional<std::invoke_result_t<Compute&>> runValue(Compute compute)
    {
        using Value = std::invoke_result_t<Compute&>;
        auto holder = std::make_shared<std::optional<Value>>();
        const std::optional<std::string> done = run([holder, compute = std::move(compute)]() mutable {
            holder->emplace(compute());
            return std::string();
        });
        if (!done || !*holder)
            return std::nullopt;
        return std::move(*holder);
    }
};

// Runs the computation on the calling thread, to its end.
class InlineWorker final : public Worker {
public:
    std::optional<std::string> run(const std::function<std::string()>& compute) override { return compute(); }
};

}  // namespace calc
