// frmZoom: the modal, resizable window that shows the whole readout as
// digits or as words, with the digit count above it.
#pragma once

#include "zoom/ZoomLogic.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <string>

class QAction;
class QLabel;
class QMenuBar;

namespace display {
class NumberView;
}

namespace zoom {

class FrmZoom : public QDialog {
    Q_OBJECT
public:
    // owner is the main window the zoom window is placed against (may be
    // null). Form_Load runs here. The window shares readoutText.
    FrmZoom(QWidget* owner, std::shared_ptr<const std::string> readoutText, std::string readoutWords);
    // With a copy of readoutText.
    FrmZoom(QWidget* owner, const std::string& readoutText, const std::string& readoutWords);

    const ZoomModel& model() const { return model_; }
    // What closing wrote back (set once the window has closed).
    const std::optional<std::string>& writeBack() const { return writeBack_; }
    std::optional<std::string> takeWriteBack() { return std::move(writeBack_); }
    double dpi() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void done(int result) override;

private:
    void showModelText();
    void layoutClient();

    QWidget* owner_;
    ZoomModel model_;
    QMenuBar* menuBar_ = nullptr;
    QWidget* client_ = nullptr;
    QLabel* lblDigitCount_ = nullptr;
    display::NumberView* txtZoom_ = nullptr;
    double boxHeight_ = kBoxHeight;
    bool unloaded_ = false;
    std::optional<std::string> writeBack_;
};

// Shows the zoom window modally and returns when it is closed: the text to
// write back into the readout when it was closed in the digits view.
std::optional<std::string> ShowZoom(QWidget* owner, const std::string& readoutText, const std::string& readoutWords);

}  // namespace zoom
