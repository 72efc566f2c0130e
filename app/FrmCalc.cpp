#include "app/FrmCalc.h"

#include "about/FrmAbout.h"
#include "app/MemoryBox.h"
#include "app/WholeLines.h"
#include "app/WindowTitle.h"
#include "platform/Platform.h"
#include "zoom/FrmZoom.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include <functional>

namespace app {
namespace {

// The picture of a picture button: a short formula drawn as text.
QIcon glyphIcon(const QString& glyph, const QFont& base)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QFont f = base;
    f.setPointSizeF(base.pointSizeF() * 1.25);
    f.setBold(true);
    const QFontMetrics fm(f);
    const QSize size(fm.horizontalAdvance(glyph) + 4, fm.height());
    QPixmap pm(size * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setFont(f);
    p.setPen(QColor(20, 20, 20));
    p.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, glyph);
    p.end();
    QIcon icon(pm);
    return icon;
}

// The height of a number view that shows exactly n lines, for a view whose
// font and frame are set: what setVisibleLines gives less the margin below
// the text, where the view would paint the top of the next line.
std::function<int(int)> linesHeight(display::NumberView& view)
{
    view.setVisibleLines(0);
    const int chrome = view.height();  // the frame and the margins above and below the text
    view.setVisibleLines(1);
    const int line = view.height() - chrome;
    view.setMinimumHeight(0);
    view.setMaximumHeight(QWIDGETSIZE_MAX);
    const int below = (chrome - 2 * view.frameWidth()) / 2;
    return [line, chrome, below](int n) { return n * line + chrome - below; };
}

}  // namespace

// ---- FrmCalc ------------------------------------------------------------

FrmCalc::FrmCalc(QWidget* parent) : QMainWindow(parent), engine_(*this, worker_)
{
    setObjectName("frmCalc");
    setWindowTitle(kInitialTitle);

    auto* central = new QWidget(this);
    central->setObjectName("central");
    setCentralWidget(central);
    // The readout, the words and the tape take the room the window has,
    // never what the numbers would want; the keypad keeps its size in the
    // top left corner below them.
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(8, 8, 8, 8);
    outer->setSpacing(6);

    txtReadout_ = new display::NumberView(central, Qt::AlignRight | Qt::AlignVCenter);
    txtReadout_->setObjectName("txtReadout");
    QFont readoutFont = txtReadout_->font();
    readoutFont.setPointSizeF(16);
    readoutFont.setBold(true);
    txtReadout_->setFont(readoutFont);
    txtReadout_->setBreakAfterCommas(true);
    txtReadout_->setToolTip("Double-click: copy the number and zoom");
    txtReadout_->setDisplayText(engine_.state().readoutText);
    connect(txtReadout_, &display::NumberView::doubleClicked, this, [this] { engine_.txtReadout_DblClick(); });
    outer->addWidget(new WholeLines(txtReadout_, 2, linesHeight(*txtReadout_)), 3);

    lbltxtNum_ = new display::NumberView(central, Qt::AlignLeft | Qt::AlignTop);
    lbltxtNum_->setObjectName("lbltxtNum");
    lbltxtNum_->setToolTip("Double-click: copy the words and zoom");
    lbltxtNum_->viewport()->setAutoFillBackground(false);
    lbltxtNum_->setFrameShape(QFrame::StyledPanel);
    connect(lbltxtNum_, &display::NumberView::doubleClicked, this, [this] { engine_.lbltxtNum_DblClick(); });
    outer->addWidget(new WholeLines(lbltxtNum_, 4, linesHeight(*lbltxtNum_)), 2);
    workPanel_ = buildWorkPanel();

    outer->addWidget(buildMemory());
    auto* middle = new QHBoxLayout;
    middle->setSpacing(10);
    middle->addWidget(buildKeypad(), 0, Qt::AlignTop);
    middle->addWidget(buildFunctions(), 0, Qt::AlignTop);

    txtHistory_ = new display::NumberView(central, Qt::AlignLeft | Qt::AlignTop, display::NumberView::Tape);
    txtHistory_->setObjectName("txtHistory");
    txtHistory_->setFocusPolicy(Qt::NoFocus);
    txtHistory_->setMinimumWidth(230);
    txtHistory_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    middle->addWidget(txtHistory_, 1);
    outer->addLayout(middle, 2);

    picConversionOptions_ = buildConversionPanel();
    outer->addWidget(picConversionOptions_);
    picConversionOptions_->hide();

    // The focus sink: a blank button outside the visible area. Enter on it
    // is "=".
    cmdSetFocus_ = new QPushButton(" ", central);
    cmdSetFocus_->setObjectName("cmdSetFocus");
    cmdSetFocus_->setGeometry(-40, -40, 24, 24);
    cmdSetFocus_->setAccessibleName("Equals (focus sink)");
    cmdSetFocus_->setFocusPolicy(Qt::ClickFocus);  // the commands give it the focus; Tab passes it by
    connect(cmdSetFocus_, &QPushButton::clicked, this, [this] { engine_.cmdSetFocus_Click(); });

    buildMenus();
    buildTabOrder();
    worker_.onCancelShown = [this] { showWorkPanel(false); };
    worker_.onProgressShown = [this] { showWorkPanel(true); };
    worker_.onFinished = [this] {
        if (worker_.busy())
            return;
        hideWorkPanel();
        // A close asked for during the work happens once the engine has put
        // its state back and the command has returned.
        if (closeAfterWork_)
            QMetaObject::invokeMethod(
                this, [this] { close(); }, Qt::QueuedConnection);
    };
    qApp->installEventFilter(this);
    Form_Load();
}

FrmCalc::~FrmCalc()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

void FrmCalc::Form_Load()
{
    setWindowTitle(QString::fromStdString(WindowTitle(platform::appInfo())));
    engine_.InitCalcState();
}

QPushButton* FrmCalc::button(const char* name, const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setFixedSize(58, 32);
    return b;
}

QWidget* FrmCalc::buildMemory()
{
    auto* box = new QWidget;
    box->setObjectName("memoryGroup");
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    struct B {
        const char* name;
        const char* caption;
        void (calc::Engine::*handler)();
    } buttons[] = {
        {"cmdMemStore", "MS", &calc::Engine::cmdMemStore_Click},
        {"cmdMemRecall", "MR", &calc::Engine::cmdMemRecall_Click},
        {"cmdMemClear", "MC", &calc::Engine::cmdMemClear_Click},
        {"cmdMemAdd", "M+", &calc::Engine::cmdMemAdd_Click},
        {"cmdMemSub", "M-", &calc::Engine::cmdMemSub_Click},
    };
    int col = 0;
    for (const B& b : buttons) {
        QPushButton* p = button(b.name, b.caption, box);
        connect(p, &QPushButton::clicked, this, [this, h = b.handler] { (engine_.*h)(); });
        grid->addWidget(p, 0, col++);
        if (std::string_view(b.name) == "cmdMemRecall")
            cmdMemRecall_ = p;
        if (std::string_view(b.name) == "cmdMemClear")
            cmdMemClear_ = p;
    }
    cmdMemRecall_->setEnabled(false);
    cmdMemClear_->setEnabled(false);

    auto* caption = new QLabel("Memory", box);
    caption->setObjectName("lblMemCaption");
    grid->addWidget(caption, 0, col++);
    // The memory can be as long as any number: one line across the window,
    // cut with its digit count when it is longer.
    lblMem_ = new MemoryBox(box);
    lblMem_->setObjectName("lblMem");
    lblMem_->setMinimumWidth(120);
    grid->addWidget(lblMem_, 0, col);
    grid->setColumnStretch(col, 1);
    return box;
}

// Tab and Shift+Tab go through the controls in reading order: the memory
// row, the keypad and the function pad row by row, then the conversion
// panel column by column and the selected direction (the arrow keys move
// between the two options). The focus sink comes first, so that Tab after
// typing starts at the top.
void FrmCalc::buildTabOrder()
{
    static constexpr const char* order[] = {
        "cmdSetFocus", "cmdMemStore",  "cmdMemRecall", "cmdMemClear", "cmdMemAdd",   "cmdMemSub",    "Cancel",
        "CancelEntry", "Percent",      "Operator0",    "Number7",     "Number8",     "Number9",      "Operator2",
        "Number4",     "Number5",      "Number6",      "Operator3",   "Number1",     "Number2",      "Number3",
        "Operator1",   "Number0",      "Decimal",      "Operator4",   "cmdSquare",   "cmdCube",      "cmdSquareRoot",
        "cmdCubeRoot", "cmdToPowerOf", "cmdFactorial", "cmdMod",      "cmdLog",      "cmdPi",        "cmdEulers",
        "cmdPaste",    "cmdMmToIn",    "cmdCmToFt",    "cmdMtToYd",   "CmdKmToMile", "cmdMlToOz",    "cmdLitToQt",
        "cmdLitToGal", "cmdLitToCuIn", "cmdGmToOZ",    "cmdKgToLb",   "cmdCToF",     "optDirection", "Option1",
    };
    QWidget* previous = nullptr;
    for (const char* name : order) {
        auto* next = findChild<QWidget*>(name);
        if (previous && next)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

QWidget* FrmCalc::buildKeypad()
{
    auto* pad = new QWidget;
    pad->setObjectName("keypad");
    auto* grid = new QGridLayout(pad);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(4);

    for (int i = 0; i < 10; ++i) {
        const QByteArray name = "Number" + QByteArray::number(i);
        QPushButton* b = button(name.constData(), QString::number(i), pad);
        b->setProperty("index", i);
        connect(b, &QPushButton::clicked, this, [this, i] { engine_.Number_Click(i); });
        number_[static_cast<std::size_t>(i)] = b;
    }
    for (int i = 0; i < 5; ++i) {
        const QByteArray name = "Operator" + QByteArray::number(i);
        QPushButton* b =
            button(name.constData(),
                   QString::fromUtf8(calc::kOperatorCaptions[static_cast<std::size_t>(i)].data(),
                                     static_cast<int>(calc::kOperatorCaptions[static_cast<std::size_t>(i)].size())),
                   pad);
        b->setProperty("index", i);
        connect(b, &QPushButton::clicked, this, [this, i] { engine_.Operator_Click(i); });
        operator_[static_cast<std::size_t>(i)] = b;
    }
    QPushButton* decimal = button("Decimal", ".", pad);
    connect(decimal, &QPushButton::clicked, this, [this] { engine_.Decimal_Click(); });
    QPushButton* percent = button("Percent", "%", pad);
    connect(percent, &QPushButton::clicked, this, [this] { engine_.Percent_Click(); });
    QPushButton* cancel = button("Cancel", "C", pad);
    connect(cancel, &QPushButton::clicked, this, [this] {
        // C runs the start-up routine again: the title, then the engine.
        setWindowTitle(QString::fromStdString(WindowTitle(platform::appInfo())));
        engine_.Cancel_Click();
    });
    cancelEntry_ = button("CancelEntry", "CE", pad);
    connect(cancelEntry_, &QPushButton::clicked, this, [this] { engine_.CancelEntry_Click(); });

    //  C  CE  %  /
    //  7  8   9  X
    //  4  5   6  -
    //  1  2   3  +
    //  0      .  =
    grid->addWidget(cancel, 0, 0);
    grid->addWidget(cancelEntry_, 0, 1);
    grid->addWidget(percent, 0, 2);
    grid->addWidget(operator_[0], 0, 3);
    const int rows[3][3] = {{7, 8, 9}, {4, 5, 6}, {1, 2, 3}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            grid->addWidget(number_[static_cast<std::size_t>(rows[r][c])], r + 1, c);
    grid->addWidget(operator_[2], 1, 3);
    grid->addWidget(operator_[3], 2, 3);
    grid->addWidget(operator_[1], 3, 3);
    number_[0]->setFixedWidth(2 * 58 + grid->horizontalSpacing());
    grid->addWidget(number_[0], 4, 0, 1, 2);
    grid->addWidget(decimal, 4, 2);
    grid->addWidget(operator_[4], 4, 3);
    return pad;
}

QWidget* FrmCalc::buildFunctions()
{
    auto* pad = new QWidget;
    pad->setObjectName("functions");
    auto* grid = new QGridLayout(pad);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(4);
    struct B {
        const char* name;
        const char* caption;  // empty: a picture
        const char* picture;
        const char* accessible;
        void (calc::Engine::*handler)();
    } buttons[] = {
        {"cmdSquare", "x2", nullptr, "Square", &calc::Engine::cmdSquare_Click},
        {"cmdCube", "x3", nullptr, "Cube", &calc::Engine::cmdCube_Click},
        {"cmdSquareRoot", "", "\u221Ax", "Square root", &calc::Engine::cmdSquareRoot_Click},
        {"cmdCubeRoot", "", "\u221Bx", "Cube root", &calc::Engine::cmdCubeRoot_Click},
        {"cmdToPowerOf", "", "x\u02B8", "To the power of", &calc::Engine::cmdToPowerOf_Click},
        {"cmdFactorial", "n!", nullptr, "Factorial", &calc::Engine::cmdFactorial_Click},
        {"cmdMod", "mod", nullptr, "Remainder", &calc::Engine::cmdMod_Click},
        {"cmdLog", "log", nullptr, "Logarithm", &calc::Engine::cmdLog_Click},
        {"cmdPi", "", "\u03C0", "Pi", &calc::Engine::cmdPi_Click},
        {"cmdEulers", "e", nullptr, "e", &calc::Engine::cmdEulers_Click},
        {"cmdPaste", "Paste", nullptr, "Paste", &calc::Engine::cmdPaste_Click},
    };
    int i = 0;
    for (const B& b : buttons) {
        QPushButton* p = button(b.name, QString::fromUtf8(b.caption), pad);
        if (b.picture) {
            p->setIcon(glyphIcon(QString::fromUtf8(b.picture), p->font()));
            p->setIconSize(p->icon().availableSizes().value(0, QSize(28, 18)));
        }
        p->setAccessibleName(b.accessible);
        p->setToolTip(b.accessible);
        connect(p, &QPushButton::clicked, this, [this, h = b.handler] { (engine_.*h)(); });
        // Three columns; Paste takes the last row's two free cells.
        const int row = i / 3, col = i % 3;
        if (std::string_view(b.name) == "cmdPaste") {
            p->setFixedWidth(2 * 58 + grid->horizontalSpacing());
            grid->addWidget(p, row, col, 1, 2);
        } else
            grid->addWidget(p, row, col);
        ++i;
    }
    return pad;
}

QFrame* FrmCalc::buildConversionPanel()
{
    auto* panel = new QFrame;
    panel->setObjectName("picConversionOptions");
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    auto* grid = new QGridLayout(panel);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);

    auto heading = [panel](const char* name, const char* text) {
        auto* l = new QLabel(text, panel);
        l->setObjectName(name);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        l->setAlignment(Qt::AlignHCenter);
        return l;
    };
    struct B {
        const char* name;
        const char* caption;
        calc::Conversion conversion;
        int row, col;
    } buttons[] = {
        {"cmdMmToIn", "Mm - In", calc::Conversion::MmToIn, 1, 0},
        {"cmdCmToFt", "Cm - Ft", calc::Conversion::CmToFt, 2, 0},
        {"cmdMtToYd", "M - Yd", calc::Conversion::MtToYd, 3, 0},
        {"CmdKmToMile", "Km - Mile", calc::Conversion::KmToMile, 4, 0},
        {"cmdMlToOz", "ml - Oz", calc::Conversion::MlToOz, 1, 1},
        {"cmdLitToQt", "L - Qt", calc::Conversion::LitToQt, 2, 1},
        {"cmdLitToGal", "L - Gal", calc::Conversion::LitToGal, 3, 1},
        {"cmdLitToCuIn", "L - In\u00B3", calc::Conversion::LitToCuIn, 4, 1},
        {"cmdGmToOZ", "G - Oz", calc::Conversion::GmToOz, 1, 2},
        {"cmdKgToLb", "Kg - Lb", calc::Conversion::KgToLb, 2, 2},
        {"cmdCToF", "C\u00B0 - F\u00B0", calc::Conversion::CToF, 4, 2},
    };
    grid->addWidget(heading("Label2", "Length"), 0, 0);
    grid->addWidget(heading("Label1", "Volume"), 0, 1);
    grid->addWidget(heading("Label3", "Weight"), 0, 2);
    grid->addWidget(heading("Label4", "Temp"), 3, 2, Qt::AlignBottom | Qt::AlignHCenter);
    for (const B& b : buttons) {
        QPushButton* p = button(b.name, QString::fromUtf8(b.caption), panel);
        p->setFixedWidth(100);
        connect(p, &QPushButton::clicked, this, [this, c = b.conversion] { engine_.Convert(c); });
        grid->addWidget(p, b.row, b.col);
    }
    optDirection_ = new QRadioButton("Metric to Imperial", panel);
    optDirection_->setObjectName("optDirection");
    optDirection_->setProperty("index", 0);
    optDirection_->setChecked(true);
    auto* option1 = new QRadioButton("Imperial To Metric", panel);
    option1->setObjectName("Option1");
    option1->setProperty("index", 1);
    grid->addWidget(optDirection_, 5, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(option1, 5, 2, 1, 1, Qt::AlignLeft);
    return panel;
}

void FrmCalc::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName("menuBar");
    QMenu* file = bar->addMenu("&File");
    file->setObjectName("mnuFile");
    QAction* zoomItem = file->addAction("&Zoom");
    zoomItem->setObjectName("mnuZoom");
    zoomItem->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F2));
    connect(zoomItem, &QAction::triggered, this, [this] { engine_.mnuZoom_Click(); });
    mnuConvert_ = file->addAction("&Convert (Metric - Imperial)");
    mnuConvert_->setObjectName("mnuConvert");
    mnuConvert_->setCheckable(true);
    mnuConvert_->setChecked(false);
    // The check mark follows the panel, not the click.
    connect(mnuConvert_, &QAction::triggered, this, [this] { mnuConvert_Click(); });
    QAction* exitItem = file->addAction("E&xit");
    exitItem->setObjectName("mnuExit");
    connect(exitItem, &QAction::triggered, this, &QWidget::close);

    QMenu* edit = bar->addMenu("&Edit");
    edit->setObjectName("mnuEdit");
    QAction* copy = edit->addAction("Copy");
    copy->setObjectName("mnuCopy");
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    connect(copy, &QAction::triggered, this, [this] { engine_.mnuCopy_Click(); });
    QAction* paste = edit->addAction("Paste");
    paste->setObjectName("mnuPaste");
    paste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    connect(paste, &QAction::triggered, this, [this] { engine_.mnuPaste_Click(); });

    QMenu* help = bar->addMenu("&Help");
    help->setObjectName("mnuHelp");
    QAction* aboutItem = help->addAction("&About");
    aboutItem->setObjectName("mnuAbout");
    connect(aboutItem, &QAction::triggered, this, [this] { about::ShowAbout(this); });
}

// ---- work under way ---------------------------------------------------------

// Lies over the right end of the words label, where the notice leaves room,
// so that showing it moves nothing else.
QWidget* FrmCalc::buildWorkPanel()
{
    auto* panel = new QWidget(lbltxtNum_);
    panel->setObjectName("workPanel");
    panel->setAutoFillBackground(true);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(6);
    prgWork_ = new QProgressBar(panel);
    prgWork_->setObjectName("prgWork");
    prgWork_->setRange(0, 0);  // busy indicator: the arithmetic cannot say how far it is
    prgWork_->setTextVisible(false);
    prgWork_->setFixedWidth(120);
    prgWork_->setAccessibleName("Calculating");
    row->addWidget(prgWork_);
    cmdCancelWork_ = new QPushButton("Cancel", panel);
    cmdCancelWork_->setObjectName("cmdCancelWork");
    cmdCancelWork_->setAutoDefault(false);
    cmdCancelWork_->setFocusPolicy(Qt::NoFocus);  // the focus stays where the command put it
    cmdCancelWork_->setToolTip("Stop this calculation (Esc)");
    connect(cmdCancelWork_, &QPushButton::clicked, this, [this] { cancelWork(); });
    row->addWidget(cmdCancelWork_);
    prgWork_->hide();
    panel->hide();
    return panel;
}

void FrmCalc::showWorkPanel(bool withProgress)
{
    if (!workPanel_->isVisible()) {
        // Work that runs this long shows the busy pointer and, unless the
        // command has put up its own, the notice, whatever it is doing:
        // arithmetic, or formatting and spelling a long result.
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        pointerShown_ = true;
        if (engine_.WordsCaption().find("  ---") == std::string::npos) {
            // Kept, not copied: the words of a long number are as long.
            wordsUnderNotice_ = lbltxtNum_->sharedText();
            lbltxtNum_->setDisplayText(calc::kLongWorkNotice);
            noticeShown_ = true;
        }
    }
    if (withProgress)
        prgWork_->show();
    workPanel_->adjustSize();
    const QRect area = lbltxtNum_->viewport()->geometry();  // inside the frame, beside any scroll bar
    workPanel_->move(area.right() - workPanel_->width() - 2, area.bottom() - workPanel_->height() - 2);
    workPanel_->show();
    workPanel_->raise();
}

void FrmCalc::hideWorkPanel()
{
    if (pointerShown_)
        QGuiApplication::restoreOverrideCursor();
    pointerShown_ = false;
    // The engine shows its result next, or nothing when cancelled: the
    // label goes back to what the engine last put there, which is what it
    // showed before the notice (setWordsCaption drops the notice).
    if (noticeShown_)
        lbltxtNum_->setDisplayText(std::move(wordsUnderNotice_));
    wordsUnderNotice_.reset();
    noticeShown_ = false;
    workPanel_->hide();
    prgWork_->hide();
    cmdCancelWork_->setEnabled(true);
}

void FrmCalc::cancelWork()
{
    if (!worker_.busy())
        return;
    worker_.cancel();
    cmdCancelWork_->setEnabled(false);  // the work stops at its next check
}

namespace {

// True when o is part of window w: a widget or action of it, its menus
// included, but not a message box or other window opened over it.
bool belongsTo(const QObject* o, const QWidget* w)
{
    for (; o; o = o->parent()) {
        if (o == w)
            return true;
        const auto* widget = qobject_cast<const QWidget*>(o);
        if (widget && widget->isWindow() && !qobject_cast<const QMenu*>(widget))
            return false;
    }
    return false;
}

}  // namespace

// While the work runs the window takes no input, as if the command still
// held the window thread; Escape and the Cancel button stop the work.
// Everything else (painting, timers, the message boxes the work asks for)
// goes on.
bool FrmCalc::inputDuringWork(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::InputMethod: break;
    default: return false;
    }
    // Widgets get the input itself; shortcuts go to actions. Other objects
    // (the native window) pass it on to the widgets.
    if (!qobject_cast<QWidget*>(watched) && !qobject_cast<QAction*>(watched))
        return false;
    if (!belongsTo(watched, this))
        return false;
    if (watched == cmdCancelWork_)
        return false;
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        !static_cast<QKeyEvent*>(event)->isAutoRepeat())
        cancelWork();
    return true;
}

// The panel's room comes from the window, not from the boxes above it, and
// goes back to it: the window grows by the panel when it shows and shrinks
// by as much when it hides. A maximised or full-screen window keeps its
// size; the boxes make room for the panel then and take it back after.
void FrmCalc::mnuConvert_Click()
{
    const bool show = !picConversionOptions_->isVisible();
    const int before = height();
    picConversionOptions_->setVisible(show);
    mnuConvert_->setChecked(show);
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        panelGrewWindow_ = 0;
        return;
    }
    // The window's minimum size follows the panel now.
    centralWidget()->layout()->activate();
    layout()->activate();
    if (show) {
        int wanted = before + picConversionOptions_->sizeHint().height() + centralWidget()->layout()->spacing();
        if (const QScreen* s = screen())
            wanted = std::min(wanted, s->availableGeometry().height() - (frameGeometry().height() - height()));
        resize(width(), std::max(wanted, height()));
        panelGrewWindow_ = height() - before;
    } else {
        resize(width(), std::max(before - panelGrewWindow_, minimumHeight()));
        panelGrewWindow_ = 0;
    }
}

// ---- keyboard -------------------------------------------------------------

bool FrmCalc::eventFilter(QObject* watched, QEvent* event)
{
    if (worker_.busy())
        return inputDuringWork(watched, event);
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;  // shortcuts and access keys
    switch (key->key()) {
    case Qt::Key_Escape:
        cancelEntry_->click();  // CE is the window's cancel button
        return true;
    case Qt::Key_Backspace: engine_.KeyBackspace(); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* b = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
            b && b->window() == this && b->isEnabled()) {
            b->click();
            return true;
        }
        return false;
    default: break;
    }
    const QString text = key->text();
    if (text.size() != 1 || text[0].unicode() > 0x7F)
        return false;
    return engine_.KeyPress(static_cast<char>(text[0].unicode()));
}

void FrmCalc::closeEvent(QCloseEvent* event)
{
    if (worker_.busy()) {
        // Stop the computation first; the window closes when it has
        // unwound (see onFinished).
        closeAfterWork_ = true;
        cancelWork();
        event->ignore();
        return;
    }
    closeAfterWork_ = false;
    QMainWindow::closeEvent(event);
}

// ---- calc::View -------------------------------------------------------------

void FrmCalc::setWordsCaption(std::string caption)
{
    noticeShown_ = false;
    wordsUnderNotice_.reset();
    lbltxtNum_->setDisplayText(std::move(caption));
}

void FrmCalc::setMemoryCaption(std::string caption) { lblMem_->setValue(std::move(caption)); }

void FrmCalc::setMemoryButtonsEnabled(bool enabled)
{
    cmdMemRecall_->setEnabled(enabled);
    cmdMemClear_->setEnabled(enabled);
}

bool FrmCalc::metricToImperial() { return optDirection_->isChecked(); }

void FrmCalc::focusSetFocusButton() { cmdSetFocus_->setFocus(Qt::OtherFocusReason); }

void FrmCalc::readoutChanged(std::string readoutText) { txtReadout_->setDisplayText(std::move(readoutText)); }

void FrmCalc::historyPrepended(std::string line) { txtHistory_->prependLine(std::move(line)); }

void FrmCalc::historyTrimmed(std::size_t, const std::string& notice)
{
    // Below the engine's entries the box still holds the entries it just
    // removed and, after an earlier trim, that trim's notice: they go from
    // the bottom, at their own cost, and the new notice closes the tape.
    const std::size_t kept = engine_.state().historyText.size();
    const std::size_t shown = txtHistory_->entryCount();
    txtHistory_->removeOldest(shown > kept ? shown - kept : 0);
    txtHistory_->appendLine(notice);
}

std::optional<std::string> FrmCalc::showZoom(const std::string& readoutText, const std::string& readoutWords)
{
    return zoom::ShowZoom(this, readoutText, readoutWords);
}

}  // namespace app
