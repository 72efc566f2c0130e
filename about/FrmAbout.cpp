#include "about/FrmAbout.h"

#include "about/ShellExecute.h"
#include "platform/qt/Twips.h"

#include <QFrame>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace about {

using platform::qt::PxToTwips;
using platform::qt::TwipsToPx;

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

QPixmap AppPicture(int size)
{
    // A pocket calculator: a body, a readout and a 3 x 3 keypad.
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 64.0;
    p.scale(s, s);
    p.setPen(QPen(QColor(40, 50, 70), 2));
    p.setBrush(QColor(70, 90, 130));
    p.drawRoundedRect(QRectF(8, 3, 48, 58), 6, 6);
    p.setBrush(QColor(200, 230, 200));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(13, 8, 38, 12));
    p.setPen(QColor(30, 60, 30));
    QFont f("Arial");
    f.setBold(true);
    f.setPixelSize(10);
    p.setFont(f);
    p.drawText(QRectF(14, 8, 35, 12), Qt::AlignRight | Qt::AlignVCenter, "1,234");
    p.setPen(Qt::NoPen);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            p.setBrush(c == 2 ? QColor(240, 170, 60) : QColor(235, 235, 240));
            p.drawRoundedRect(QRectF(13 + c * 13.5, 25 + r * 11.5, 10, 8.5), 2, 2);
        }
    return pm;
}

FrmAbout::FrmAbout(QWidget* calcWindow) : QDialog(calcWindow), calcWindow_(calcWindow)
{
    setObjectName("frmAbout");
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildControls();

    // Load: fill the state and centre over the calculator window.
    const double d = dpi();
    QRect calc;
    if (calcWindow_)
        calc = calcWindow_->frameGeometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        calc = screen->availableGeometry();
    LoadAbout(state_, platform::appInfo(), PxToTwips(calc.x(), d), PxToTwips(calc.y(), d), PxToTwips(calc.width(), d),
              PxToTwips(calc.height(), d));
    applyState();
}

double FrmAbout::dpi() const
{
    const QScreen* screen = calcWindow_ ? calcWindow_->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

void FrmAbout::place(QWidget* w, double left, double top, double width, double height)
{
    const double d = dpi();
    w->setGeometry(TwipsToPx(left, d), TwipsToPx(top, d), TwipsToPx(width, d), TwipsToPx(height, d));
}

void FrmAbout::buildControls()
{
    auto label = [this](const char* name, const QString& text, double l, double t, double w, double h) {
        auto* lb = new QLabel(text, this);
        lb->setObjectName(name);
        lb->setWordWrap(true);
        place(lb, l, t, w, h);
        return lb;
    };

    auto* image1 = new QLabel(this);
    image1->setObjectName("Image1");
    image1->setPixmap(AppPicture(TwipsToPx(600, dpi())));
    place(image1, 240, 240, 600, 600);

    lblTitle_ = label("lblTitle", "Application Title", 1050, 180, 5400, 480);
    QFont titleFont = lblTitle_->font();
    titleFont.setPointSizeF(16);
    titleFont.setBold(true);
    lblTitle_->setFont(titleFont);

    lblAppNameAtternate_ = label("lblAppNameAtternate", "Application Name Alternate", 1050, 660, 5400, 480);
    QFont narrow("Arial Narrow");
    narrow.setPointSizeF(11);
    narrow.setStretch(QFont::Condensed);
    lblAppNameAtternate_->setFont(narrow);

    lblVersion_ = label("lblVersion", "Version", 1050, 1170, 3000, 270);
    auto* lblDescription =
        label("lblDescription", "Using \"String Theory\" to solve 5th Grade Math problems", 1050, 1440, 5400, 270);
    QFont italic = lblDescription->font();
    italic.setItalic(true);
    lblDescription->setFont(italic);

    auto* shape1 = new QFrame(this);
    shape1->setObjectName("Shape1");
    shape1->setFrameShape(QFrame::Box);
    shape1->setFrameShadow(QFrame::Sunken);
    place(shape1, 120, 1830, 6180, 1290);

    label("Label1", "For additional information contact:", 240, 1950, 1900, 540);
    label("Label2", "The Megatally developer\nTel. +1 555 0100  /  +1 555 0199", 2220, 1950, 3980, 540);

    auto* link = new LinkLabel(QString("<a href=\"#\">%1</a>").arg(kWebAddress), this);
    link->setObjectName("lblLinkTo");
    link->setCursor(Qt::PointingHandCursor);
    link->setTextInteractionFlags(Qt::NoTextInteraction);
    place(link, 2220, 2520, 3980, 270);
    connect(link, &LinkLabel::clicked, this, [this] { onLink(kWebAddress); });

    auto* mail = new LinkLabel(QString("<a href=\"#\">%1</a>").arg(kMailAddress), this);
    mail->setObjectName("lblMailTo");
    mail->setCursor(Qt::PointingHandCursor);
    mail->setTextInteractionFlags(Qt::NoTextInteraction);
    place(mail, 2220, 2790, 3980, 270);
    connect(mail, &LinkLabel::clicked, this, [this] { onLink(std::string("mailto:") + kMailAddress); });

    auto* disclaimer = label("lblDisclaimer",
                             "This program is provided as is, without warranty of any kind. Results of "
                             "very long calculations should be checked before they are relied upon.",
                             120, 3240, 6180, 900);
    QFont small = disclaimer->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    disclaimer->setFont(small);

    auto* image2 = new QLabel(this);
    image2->setObjectName("Image2");
    image2->setPixmap(AppPicture(TwipsToPx(720, dpi())));
    image2->setAlignment(Qt::AlignCenter);
    place(image2, 6420, 1830, 1545, 900);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    place(ok, 6420, 3030, 1545, 405);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* directions = new QPushButton("String Theory??", this);
    directions->setObjectName("cmdDirections");
    place(directions, 6420, 3570, 1545, 405);
    connect(directions, &QPushButton::clicked, this, &FrmAbout::onDirections);

    // Below the short height: seen only when the window is tall.
    txtStringTheory_ = new QPlainTextEdit(this);
    txtStringTheory_->setObjectName("txtStringTheory");
    txtStringTheory_->setReadOnly(true);
    txtStringTheory_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QFont tahoma("Tahoma");
    tahoma.setPointSizeF(9);
    txtStringTheory_->setFont(tahoma);
    place(txtStringTheory_, 120, 4395, 6030, 3270);

    auto* sysInfo = new QPushButton("&System Info...", this);
    sysInfo->setObjectName("cmdSysInfo");
    place(sysInfo, 6420, 4365, 1545, 405);
    connect(sysInfo, &QPushButton::clicked, this, [] { StartSysInfo(); });

    lblTitle1_ = label("lblTitle1", "", 6300, 6900, 1665, 480);
    lblTitle1_->setAlignment(Qt::AlignCenter);
    QFont t1 = titleFont;
    t1.setPointSizeF(12);
    lblTitle1_->setFont(t1);
}

void FrmAbout::applyState()
{
    setWindowTitle(QString::fromStdString(state_.caption));
    lblTitle_->setText(QString::fromStdString(state_.title));
    lblTitle1_->setText(QString::fromStdString(state_.title1));
    lblAppNameAtternate_->setText(QString::fromStdString(state_.appNameAlternate));
    lblVersion_->setText(QString::fromStdString(state_.version));
    QString text = QString::fromStdString(state_.explanation);
    text.replace("\r\n", "\n");
    txtStringTheory_->setPlainText(text);

    const double d = dpi();
    setFixedSize(TwipsToPx(state_.width - kFrameWidth, d), TwipsToPx(state_.height - kFrameHeight, d));
    move(TwipsToPx(state_.left, d), TwipsToPx(state_.top, d));
}

void FrmAbout::onDirections()
{
    ToggleHeight(state_);
    const double d = dpi();
    setFixedSize(TwipsToPx(state_.width - kFrameWidth, d), TwipsToPx(state_.height - kFrameHeight, d));
}

void FrmAbout::onLink(const std::string& target)
{
    std::string t = target;
    std::int32_t show = 1;
    std::int32_t owner = static_cast<std::int32_t>(winId());
    ShellOpen(t, show, owner);  // failures are not shown
}

void FrmAbout::done(int result)
{
    if (!unloaded_) {
        unloaded_ = true;
        UnloadCleanup();
    }
    QDialog::done(result);
}

void ShowAbout(QWidget* calcWindow)
{
    FrmAbout about(calcWindow);
    about.exec();
}

}  // namespace about
