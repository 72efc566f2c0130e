#include "zoom/FrmZoom.h"

#include "display/NumberView.h"
#include "platform/qt/Twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QVBoxLayout>

namespace zoom {

using platform::qt::PxToTwips;
using platform::qt::TwipsToPx;

FrmZoom::FrmZoom(QWidget* owner, const std::string& readoutText, const std::string& readoutWords)
    : FrmZoom(owner, std::make_shared<const std::string>(readoutText), readoutWords)
{}

FrmZoom::FrmZoom(QWidget* owner, std::shared_ptr<const std::string> readoutText, std::string readoutWords)
    : QDialog(owner), owner_(owner), model_(std::move(readoutText), std::move(readoutWords))
{
    setObjectName("frmZoom");
    setWindowTitle("Zoom");
    setModal(true);
    setSizeGripEnabled(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName("menuBar");
    QMenu* disp = menuBar_->addMenu("Disolay As");
    disp->setObjectName("mnuDisp");
    QAction* number = disp->addAction("Number");
    number->setObjectName("mnuNumber");
    QAction* text = disp->addAction("Text");
    text->setObjectName("mnuText");
    connect(number, &QAction::triggered, this, [this] {
        model_.showNumber();
        showModelText();
    });
    connect(text, &QAction::triggered, this, [this] {
        model_.showText();
        showModelText();
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar_);
    client_ = new QWidget(this);
    client_->setObjectName("client");
    client_->setMinimumSize(0, 0);
    layout->addWidget(client_);

    lblDigitCount_ = new QLabel(client_);
    lblDigitCount_->setObjectName("lblDigitCount");
    QFont labelFont("Arial");
    labelFont.setPointSizeF(9.75);
    labelFont.setBold(true);
    lblDigitCount_->setFont(labelFont);
    lblDigitCount_->setText(QString::fromStdString(model_.digitCaption()));
    lblDigitCount_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    txtZoom_ = new display::NumberView(client_, Qt::AlignLeft | Qt::AlignTop, display::NumberView::Editor);
    txtZoom_->setObjectName("txtZoom");
    QFont boxFont("Arial Narrow");
    boxFont.setPointSizeF(12);
    boxFont.setBold(true);
    boxFont.setStretch(QFont::Condensed);
    txtZoom_->setFont(boxFont);
    showModelText();

    // Design size, placed against the main window; then the geometry rule.
    const double d = dpi();
    const int menuHeight = menuBar_->sizeHint().height();
    resize(TwipsToPx(kClientWidth, d), menuHeight + TwipsToPx(kClientHeight, d));
    if (owner_) {
        const QPoint o = owner_->frameGeometry().topLeft();
        move(o.x() + TwipsToPx(kOffsetLeft, d), o.y() + TwipsToPx(kOffsetTop, d));
    }
    layoutClient();
    txtZoom_->setFocus();
}

double FrmZoom::dpi() const
{
    const QScreen* screen = owner_ ? owner_->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

void FrmZoom::showModelText()
{
    if (model_.numberMode() != kFalse)
        txtZoom_->setDisplayText(model_.readout());  // shared: the box copies it for its edits
    else
        txtZoom_->setDisplayText(model_.text());
}

void FrmZoom::layoutClient()
{
    const double d = dpi();
    const int menuHeight = menuBar_->isVisible() ? menuBar_->height() : menuBar_->sizeHint().height();
    const double outerWidth = PxToTwips(width(), d) + kFrameWidth;
    const double outerHeight = PxToTwips(height() - menuHeight, d) + kFrameHeight;
    const BoxSize box = TextBoxSize(outerWidth, outerHeight, boxHeight_);
    boxHeight_ = box.height;
    lblDigitCount_->setGeometry(TwipsToPx(kBoxLeft, d), TwipsToPx(kLabelTop, d), TwipsToPx(box.width, d),
                                TwipsToPx(kLabelHeight, d));
    txtZoom_->setGeometry(TwipsToPx(kBoxLeft, d), TwipsToPx(kBoxTop, d), TwipsToPx(box.width, d),
                          TwipsToPx(box.height, d));
}

void FrmZoom::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    layoutClient();
}

void FrmZoom::done(int result)
{
    if (!unloaded_) {
        unloaded_ = true;
        // The box holds the edits and hands them over on closing.
        writeBack_ = model_.unload(txtZoom_->takeText());
    }
    QDialog::done(result);
}

std::optional<std::string> ShowZoom(QWidget* owner, const std::string& readoutText, const std::string& readoutWords)
{
    // The window is gone before this returns, so it can share the caller's
    // text instead of copying it.
    FrmZoom z(owner, std::shared_ptr<const std::string>(&readoutText, [](const std::string*) {}), readoutWords);
    z.exec();
    return z.takeWriteBack();
}

}  // namespace zoom
