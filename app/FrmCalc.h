// frmCalc: the calculator's main window.
//
// The window binds calc::View to its controls and hands every button press,
// key and menu command to the engine (calc::Engine); it computes nothing
// itself. Each control's objectName is its name; the button arrays are
// "Number0" .. "Number9" and "Operator0" .. "Operator4" (index = the last
// digit, also in the dynamic property "index"); optDirection(0) is
// "optDirection".
//
// The readout, the words label and the tape take the room the window has,
// the first two in whole lines (WholeLines); the keypad and the function pad
// keep their size at the left. Showing the conversion panel grows the
// window by its height and hiding it shrinks the window again. Tab follows
// the controls in reading order; Backspace goes to the engine.
//
// While a computation runs (ThreadWorker) the window paints but takes no
// input. Escape, or the Cancel button "cmdCancelWork" that appears over the
// words label's right end, abandons the computation; the indeterminate
// progress bar "prgWork" beside it shows once the work has taken about a
// second. Closing the window meanwhile cancels the work, then closes.
#pragma once

#include "app/ThreadWorker.h"
#include "calc/Engine.h"
#include "display/NumberView.h"

#include <QMainWindow>

#include <array>

class QAbstractButton;
class QAction;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace app {

class MemoryBox;

class FrmCalc : public QMainWindow, private calc::View {
    Q_OBJECT
public:
    explicit FrmCalc(QWidget* parent = nullptr);
    ~FrmCalc() override;

    const calc::Engine& engine() const { return engine_; }
    ThreadWorker& worker() { return worker_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // calc::View
    void setWordsCaption(std::string caption) override;
    void setMemoryCaption(std::string caption) override;
    void setMemoryButtonsEnabled(bool enabled) override;
    bool metricToImperial() override;
    void focusSetFocusButton() override;
    void readoutChanged(std::string readoutText) override;
    void historyPrepended(std::string line) override;
    void historyTrimmed(std::size_t removed, const std::string& notice) override;
    std::optional<std::string> showZoom(const std::string& readoutText, const std::string& readoutWords) override;

    void Form_Load();
    void buildMenus();
    QWidget* buildKeypad();
    QWidget* buildMemory();
    QWidget* buildFunctions();
    QFrame* buildConversionPanel();
    void buildTabOrder();
    QPushButton* button(const char* name, const QString& caption, QWidget* parent);
    void mnuConvert_Click();
    QWidget* buildWorkPanel();
    void showWorkPanel(bool withProgress);
    void hideWorkPanel();
    void cancelWork();
    bool inputDuringWork(QObject* watched, QEvent* event);

    ThreadWorker worker_;
    calc::Engine engine_;

    display::NumberView* txtReadout_ = nullptr;
    display::NumberView* lbltxtNum_ = nullptr;
    display::NumberView* txtHistory_ = nullptr;
    std::array<QPushButton*, 10> number_{};
    std::array<QPushButton*, 5> operator_{};
    QPushButton* cancelEntry_ = nullptr;
    QPushButton* cmdSetFocus_ = nullptr;
    QPushButton* cmdMemRecall_ = nullptr;
    QPushButton* cmdMemClear_ = nullptr;
    MemoryBox* lblMem_ = nullptr;
    QFrame* picConversionOptions_ = nullptr;
    QRadioButton* optDirection_ = nullptr;
    QAction* mnuConvert_ = nullptr;
    int panelGrewWindow_ = 0;  // how much showing the panel grew the window
    QWidget* workPanel_ = nullptr;
    QPushButton* cmdCancelWork_ = nullptr;
    QProgressBar* prgWork_ = nullptr;
    bool closeAfterWork_ = false;
    bool pointerShown_ = false;                            // the work panel's busy pointer is up
    bool noticeShown_ = false;                             // the work panel's notice stands on the words label
    std::shared_ptr<const std::string> wordsUnderNotice_;  // the label's text before the notice, shown again after
};

}  // namespace app
