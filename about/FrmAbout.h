// frmAbout: the modal About window.
#pragma once

#include "about/AboutLogic.h"

#include <QDialog>
#include <QLabel>

class QPlainTextEdit;
class QPushButton;

namespace about {

// A label that reports a click (the mail and web links).
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class FrmAbout : public QDialog {
    Q_OBJECT
public:
    // calcWindow is the calculator window the About window centres over
    // (may be null: then it centres over the screen).
    explicit FrmAbout(QWidget* calcWindow);

    const AboutState& state() const { return state_; }
    // The logical resolution used to convert the design's twips.
    double dpi() const;

protected:
    void done(int result) override;

private:
    void buildControls();
    void applyState();
    void place(QWidget* w, double left, double top, double width, double height);
    void onDirections();
    void onLink(const std::string& target);

    QWidget* calcWindow_;
    AboutState state_;
    QPlainTextEdit* txtStringTheory_ = nullptr;
    QLabel* lblTitle_ = nullptr;
    QLabel* lblTitle1_ = nullptr;
    QLabel* lblAppNameAtternate_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    bool unloaded_ = false;
};

// Opens the About window modally over calcWindow and returns when it closes.
void ShowAbout(QWidget* calcWindow);

// The program's picture (used for the About window's images and as the
// window icon), drawn at the given size in pixels.
QPixmap AppPicture(int size);

}  // namespace about
