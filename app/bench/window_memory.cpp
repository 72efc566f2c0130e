// Runs one of the sequences of calc/bench/MemorySequences.h through the main
// window on the offscreen platform: the clipboard is Qt's, the buttons are
// clicked, events are processed after every click so the readout, words
// and tape are laid out; message boxes are answered at once (Yes to a
// question, as the engine's driver does). Prints what the window's engine
// was left with and the process's peak memory.
//   window_memory <sequence>      (QT_QPA_PLATFORM=offscreen)
#include "app/FrmCalc.h"
#include "calc/bench/MemorySequences.h"
#include "display/NumberView.h"
#include "platform/qt/QtPlatform.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

namespace {

class QuietMessages final : public platform::MessageBox {
public:
    int shown = 0;
    platform::Answer show(const std::string&, const std::string&, platform::Icon, platform::Buttons buttons) override
    {
        ++shown;
        return buttons == platform::Buttons::YesNo ? platform::Answer::Yes : platform::Answer::OK;
    }
};

// Opens the zoom window from the menu; once it is up, selects all and
// pastes there pastes times, then closes it in its digits view.
void zoomAndPaste(app::FrmCalc& window, int pastes)
{
    QTimer::singleShot(0, [pastes] {
        QWidget* zoom = QApplication::activeModalWidget();
        auto* box = zoom->findChild<display::NumberView*>("txtZoom");
        for (int i = 0; i < pastes; ++i) {
            box->selectAll();
            box->paste();
            QApplication::processEvents();
        }
        zoom->close();
    });
    window.findChild<QAction*>("mnuZoom")->trigger();
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const std::string wanted = argc > 1 ? argv[1] : "";
    for (const calc::bench::MemorySequence& sequence : calc::bench::MemorySequences()) {
        if (sequence.name != wanted)
            continue;
        platform::qt::QtPlatform services;
        QuietMessages messages;
        platform::install(&messages);
        app::FrmCalc window;
        window.show();
        QApplication::processEvents();
        for (const calc::bench::Step& step : sequence.steps) {
            for (int i = 0; i < step.repeat; ++i) {
                if (step.clipDigits > 0)
                    QGuiApplication::clipboard()->setText(QString::fromLatin1(calc::bench::ClipText(step)));
                for (const std::string& b : step.buttons) {
                    if (b == "mnuZoom")
                        zoomAndPaste(window, step.zoomPastes);
                    else
                        window.findChild<QPushButton*>(QString::fromStdString(b))->click();
                    QApplication::processEvents();
                }
            }
        }
        QGuiApplication::clipboard()->clear();
        QApplication::processEvents();
        const calc::CalcState& state = window.engine().state();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf(
            "%-13s readout %zu chars, memory %zu chars, tape %zu entries (%zu removed, %zu chars), %d messages, "
            "peak %ld MB\n",
            sequence.name, state.readoutText.size(), state.memoryValue.size(), state.historyText.size(),
            state.historyText.removed(), state.historyText.length(), messages.shown, usage.ru_maxrss / 1024);
        platform::install(static_cast<platform::MessageBox*>(nullptr));
        return 0;
    }
    std::fprintf(stderr, "usage: window_memory <sequence>\n");
    return 2;
}
