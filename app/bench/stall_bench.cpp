// How long the main window's thread is held by each thing a user does with
// very long numbers.
//
// Drives the real window (FrmCalc with the Qt platform services) through
// paste, keypad entry, copy, memory, a conversion, the zoom window opened
// and closed from the readout and from the words label, a long product, a
// long power, the tape scrolled and the factorial of 1,000,000, and prints
// a table: for each operation the longest gap between the ticks of a 5 ms
// timer on the window thread (the longest stretch the window could not
// paint or take input), and the time until the result was on screen (the
// command returned and the window was painted). Message boxes are answered
// as a user would: Yes to a question, OK otherwise.
//
//   stall_bench [--digits 1000000,15000000] [--repeats 3] [--skip zoom,factorial,...]
//
// Runs offscreen unless QT_QPA_PLATFORM says otherwise (xcb under Xvfb
// works too). Each repeat uses a fresh window; the table shows the median
// and the largest value of the repeats.
#include "app/FrmCalc.h"

#include "platform/Platform.h"
#include "platform/qt/QtPlatform.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

QElapsedTimer clockSinceStart;

double nowMs() { return static_cast<double>(clockSinceStart.nsecsElapsed()) / 1e6; }

// Ticks every 5 ms on the window thread and keeps the longest gap between
// two ticks since begin(); also notes whether the busy pointer and the
// Cancel button were seen.
class StallProbe {
public:
    StallProbe()
    {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
        timer_.start();
    }
    void begin()
    {
        last_ = nowMs();
        longest_ = 0;
        busySeen = false;
        cancelSeen = false;
    }
    void tick()
    {
        const double t = nowMs();
        longest_ = std::max(longest_, t - last_);
        last_ = t;
        busySeen = busySeen || QGuiApplication::overrideCursor() != nullptr;
        if (cancelButton)
            cancelSeen = cancelSeen || cancelButton->isVisible();
    }
    double longest() const { return longest_; }

    QWidget* cancelButton = nullptr;
    bool busySeen = false;
    bool cancelSeen = false;

private:
    QTimer timer_;
    double last_ = 0;
    double longest_ = 0;
};

// Answers every message box that comes up: Yes where there is a Yes, OK
// otherwise. Keeps "title: text" of each.
class BoxAnswerer {
public:
    BoxAnswerer()
    {
        timer_.setInterval(2);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            seen.push_back(box->windowTitle().toStdString() + ": " + box->text().toStdString());
            QAbstractButton* b = box->button(QMessageBox::Yes);
            if (!b)
                b = box->button(QMessageBox::Ok);
            if (b)
                b->click();
        });
        timer_.start();
    }
    std::vector<std::string> seen;

private:
    QTimer timer_;
};

struct Row {
    std::string name;
    double stallMs = 0;
    double shownMs = 0;
    std::size_t digits = 0;  // digits on the readout afterwards
    bool busy = false;
    bool cancel = false;
};

std::size_t digitCount(const std::string& s)
{
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }));
}

std::string digitsOf(std::size_t n, unsigned seed)
{
    std::string s(n, '0');
    unsigned x = seed;
    for (char& c : s) {
        x = x * 1103515245u + 12345u;
        c = static_cast<char>('0' + (x >> 16) % 10);
    }
    s[0] = static_cast<char>('1' + seed % 9);
    return s;
}

// Lets the event loop run for ms milliseconds.
void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

class Session {
public:
    Session(StallProbe& probe, std::set<std::string> skip) : probe_(probe), skip_(std::move(skip))
    {
        w_ = std::make_unique<app::FrmCalc>();
        w_->show();
        w_->activateWindow();
        (void)QTest::qWaitForWindowActive(w_.get());
        probe_.cancelButton = w_->findChild<QWidget*>("cmdCancelWork");
        runFor(100);
    }
    ~Session() { probe_.cancelButton = nullptr; }

    bool skipped(const std::string& key) const { return skip_.count(key) != 0; }

    QWidget* focusTarget() { return QApplication::focusWidget() ? QApplication::focusWidget() : w_.get(); }
    void type(const std::string& keys)
    {
        for (char c : keys) {
            if (c == '=')
                QTest::keyClick(focusTarget(), Qt::Key_Equal, Qt::NoModifier);
            else
                QTest::keyClick(focusTarget(), c);
        }
    }
    // Shortcuts reach the window only while it is the active one (after
    // the zoom window it may not be yet).
    void ctrl(Qt::Key k)
    {
        if (!w_->isActiveWindow()) {
            w_->activateWindow();
            (void)QTest::qWaitForWindowActive(w_.get());
        }
        QTest::keyClick(focusTarget(), k, Qt::ControlModifier);
    }
    void click(const char* name)
    {
        auto* b = w_->findChild<QPushButton*>(name);
        if (!b) {
            std::fprintf(stderr, "no button %s\n", name);
            std::exit(2);
        }
        if (b->isVisible())
            QTest::mouseClick(b, Qt::LeftButton);
        else
            b->click();
    }
    QWidget* child(const char* name) { return w_->findChild<QWidget*>(name); }
    void doubleClick(const char* name)
    {
        QWidget* c = child(name);
        auto* area = qobject_cast<QAbstractScrollArea*>(c);
        QWidget* target = area ? area->viewport() : c;
        QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
    }
    void setClipboard(const std::string& text) { platform::clipboard().setText(text); }

    // Runs act (the user's input; it returns when the window's handler has
    // returned), paints the window, and records the row; then lets the
    // window run for a while so that late work counts as well.
    void measure(const std::string& name, const std::function<void()>& act)
    {
        runFor(50);
        probe_.begin();
        const double t0 = nowMs();
        act();
        w_->repaint();
        Row r{name, 0, nowMs() - t0, 0, false, false};
        probe_.tick();
        runFor(250);
        r.stallMs = probe_.longest();
        r.digits = digitCount(w_->engine().state().readoutText);  // after the measurement
        r.busy = probe_.busySeen;
        r.cancel = probe_.cancelSeen;
        rows.push_back(r);
    }

    // Double-clicks name; records the zoom window's opening (until it is
    // painted) and its closing by Escape (until the main window is painted
    // again) as two rows.
    void measureZoom(const std::string& name, const char* widget)
    {
        runFor(50);
        Row open{name + ": zoom opens", 0, 0, 0, false, false};
        double t1 = 0;
        bool opened = false;
        QTimer poll;
        poll.setInterval(1);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* d = QApplication::activeModalWidget();
            if (opened || !d || d->objectName() != "frmZoom" || !d->isVisible())
                return;
            opened = true;
            poll.stop();
            d->repaint();
            probe_.tick();
            open.shownMs = nowMs() - t1;
            open.stallMs = probe_.longest();
            open.busy = probe_.busySeen;
            open.cancel = probe_.cancelSeen;
            // Looked at for a moment, then closed.
            runFor(250);
            open.stallMs = std::max(open.stallMs, probe_.longest());
            probe_.begin();
            t1 = nowMs();
            QTest::keyClick(d, Qt::Key_Escape);
        });
        poll.start();
        probe_.begin();
        t1 = nowMs();
        doubleClick(widget);
        w_->repaint();
        probe_.tick();
        Row close{name + ": zoom closes (Esc)", 0, nowMs() - t1, 0, false, false};
        runFor(250);
        close.stallMs = probe_.longest();
        close.digits = digitCount(w_->engine().state().readoutText);
        close.busy = probe_.busySeen;
        close.cancel = probe_.cancelSeen;
        open.digits = close.digits;
        if (!opened)
            open.name += " (never opened)";
        rows.push_back(open);
        rows.push_back(close);
    }

    // Moves the tape's vertical scroll bar through its range in steps,
    // painting after each; the row's time is the slowest step.
    void measureTapeScroll(const std::string& name)
    {
        QWidget* tape = child("txtHistory");
        QScrollBar* bar = nullptr;
        if (auto* area = qobject_cast<QAbstractScrollArea*>(tape))
            bar = area->verticalScrollBar();
        for (QScrollBar* b : tape->findChildren<QScrollBar*>())
            if (!bar && b->orientation() == Qt::Vertical)
                bar = b;
        if (!bar)
            return;
        runFor(50);
        probe_.begin();
        double slowest = 0;
        const int steps = 12;
        for (int i = 0; i <= 2 * steps; ++i) {
            const int k = i <= steps ? i : 2 * steps - i;
            const double t0 = nowMs();
            bar->setValue(bar->minimum() + (bar->maximum() - bar->minimum()) * k / steps);
            tape->repaint();
            slowest = std::max(slowest, nowMs() - t0);
            probe_.tick();
            runFor(20);
        }
        runFor(200);
        const double stall = probe_.longest();
        rows.push_back(
            {name, stall, slowest, digitCount(w_->engine().state().readoutText), probe_.busySeen, probe_.cancelSeen});
    }

    void clear() { click("Cancel"); }

    std::vector<Row> rows;

private:
    StallProbe& probe_;
    std::set<std::string> skip_;
    std::unique_ptr<app::FrmCalc> w_;
};

std::string withSeparators(std::size_t n)
{
    std::string s = std::to_string(n);
    for (int i = static_cast<int>(s.size()) - 3; i > 0; i -= 3)
        s.insert(static_cast<std::size_t>(i), ",");
    return s;
}

// The exponent of 7 that gives a power of about this many digits.
std::size_t powerExponentFor(std::size_t digits)
{
    if (digits >= 15'000'000)
        return 18'000'000;  // 15,211,765 digits
    return static_cast<std::size_t>(static_cast<double>(digits) / 0.84509804);
}

// The rows for numbers of n digits.
void runSize(Session& s, std::size_t n)
{
    const std::string size = withSeparators(n);
    s.clear();
    s.setClipboard(digitsOf(n, 3));
    s.measure("Ctrl+V of " + size + " digits", [&] { s.ctrl(Qt::Key_V); });
    s.measure("keypad: one more digit", [&] { s.type("7"); });
    s.measure("Ctrl+C", [&] { s.ctrl(Qt::Key_C); });
    s.measure("M+", [&] { s.click("cmdMemAdd"); });
    s.measure("MR", [&] { s.click("cmdMemRecall"); });
    s.measure("L - Gal", [&] { s.click("cmdLitToGal"); });
    if (!s.skipped("zoom")) {
        s.measureZoom("double-click readout", "txtReadout");
        s.measureZoom("double-click words", "lbltxtNum");
    }
    if (!s.skipped("product")) {
        // The 1,000,000 by 1,000,000 digits; at larger sizes two
        // halves, so that the product has about n digits.
        const std::size_t half = n <= 1'000'000 ? n : n / 2;
        s.clear();
        s.setClipboard(digitsOf(half, 5));
        s.ctrl(Qt::Key_V);
        s.type("*");
        s.setClipboard(digitsOf(half, 7));
        s.ctrl(Qt::Key_V);
        s.measure(withSeparators(half) + " X " + withSeparators(half) + " digits =", [&] { s.type("="); });
    }
    if (!s.skipped("power")) {
        const std::string e = std::to_string(powerExponentFor(n));
        s.clear();
        s.type("7");
        s.click("cmdToPowerOf");
        s.type(e);
        s.measure("7 ^ " + e + " =", [&] { s.type("="); });
    }
    if (!s.skipped("tape"))
        s.measureTapeScroll("tape scrolled top to end and back");
}

void runFactorial(Session& s)
{
    s.clear();
    s.type("1000000");
    s.measure("1000000 n! (Yes)", [&] { s.click("cmdFactorial"); });
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

std::vector<std::string> split(const std::string& s)
{
    std::vector<std::string> out;
    std::stringstream in(s);
    for (std::string item; std::getline(in, item, ',');)
        if (!item.empty())
            out.push_back(item);
    return out;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::vector<std::size_t> sizes = {1'000'000, 15'000'000};
    int repeats = 3;
    std::set<std::string> skip;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string opt = argv[i];
        if (opt == "--digits") {
            sizes.clear();
            for (const std::string& d : split(argv[i + 1]))
                sizes.push_back(std::stoul(d));
        } else if (opt == "--repeats") {
            repeats = std::max(1, std::atoi(argv[i + 1]));
        } else if (opt == "--skip") {
            for (const std::string& k : split(argv[i + 1]))
                skip.insert(k);
        } else {
            std::fprintf(stderr, "usage: %s [--digits N,N] [--repeats R] [--skip zoom,product,power,tape,factorial]\n",
                         argv[0]);
            return 2;
        }
    }

    QApplication application(argc, argv);
    platform::qt::QtPlatform services;
    clockSinceStart.start();
    StallProbe probe;
    BoxAnswerer boxes;

    // Rows in order of first appearance, each with its values per repeat.
    std::vector<std::string> order;
    std::map<std::string, std::vector<Row>> runs;
    for (int rep = 0; rep < repeats; ++rep) {
        std::vector<Row> rows;
        for (std::size_t n : sizes) {
            Session s(probe, skip);
            runSize(s, n);
            for (Row r : s.rows) {
                r.name = withSeparators(n) + " | " + r.name;
                rows.push_back(r);
            }
        }
        if (!skip.count("factorial")) {
            Session s(probe, skip);
            runFactorial(s);
            for (Row r : s.rows) {
                r.name = "factorial | " + r.name;
                rows.push_back(r);
            }
        }
        for (const Row& r : rows) {
            if (!runs.count(r.name))
                order.push_back(r.name);
            runs[r.name].push_back(r);
        }
        std::fprintf(stderr, "repeat %d of %d done\n", rep + 1, repeats);
    }

    std::printf("%-58s %10s %10s %10s %10s %11s %5s %7s\n", "size | operation", "stall med", "stall max", "shown med",
                "shown max", "readout", "busy", "Cancel");
    for (const std::string& name : order) {
        const std::vector<Row>& rs = runs[name];
        std::vector<double> stalls, shown;
        bool busy = false, cancel = false;
        for (const Row& r : rs) {
            stalls.push_back(r.stallMs);
            shown.push_back(r.shownMs);
            busy = busy || r.busy;
            cancel = cancel || r.cancel;
        }
        std::printf("%-58s %10.0f %10.0f %10.0f %10.0f %11s %5s %7s\n", name.c_str(), median(stalls),
                    *std::max_element(stalls.begin(), stalls.end()), median(shown),
                    *std::max_element(shown.begin(), shown.end()), withSeparators(rs.back().digits).c_str(),
                    busy ? "yes" : "-", cancel ? "yes" : "-");
    }
    std::printf("(milliseconds; %d repeat%s; stall: longest gap between 5 ms ticks on the window thread)\n", repeats,
                repeats == 1 ? "" : "s");
    for (const std::string& m : boxes.seen)
        if (m.rfind("Yikes!", 0) != 0)
            std::printf("message: %s\n", m.c_str());
    return 0;
}
