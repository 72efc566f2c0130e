// A long result is formatted, spelled and made into its tape line beside
// the window; Escape or the Cancel button before it is on screen leaves
// everything as before. The cancel comes at a fixed point: once the
// at-th run on the worker has ended and before its result is handed back.
// A command on long operands reads them in one run and computes in the
// next: a cancel in either changes nothing.
#include "app/tests/CalcWindow.h"

namespace app {
namespace {

const std::string kLong(calc::kLongText + 1, '8');

struct ShowingRow {
    const char* name;
    std::string setup;    // typed first, with clip on the clipboard
    std::string command;  // typed with the cancel armed; "^C" is Ctrl+C
    std::string clip = kLong;
    int at = 1;
};

void PrintTo(const ShowingRow& r, std::ostream* os) { *os << r.name; }

struct Way {
    const char* name;
    std::function<void(CalcWindow&)> cancel;
};

class CancelShowing : public CalcWindow, public ::testing::WithParamInterface<std::tuple<ShowingRow, Way>> {};

TEST_P(CancelShowing, LeavesEverythingAsBefore)
{
    const auto& [row, way] = GetParam();
    fake.clipboardText = row.clip;
    type(row.setup);
    const auto before = snapshot();
    int runs = 0, cancels = 0;
    w->worker().onComputed = [&, at = row.at, cancel = way.cancel] {
        if (++runs != at)
            return;
        ++cancels;
        cancel(*this);
    };
    if (row.command == "^C")
        key(Qt::Key_C, Qt::ControlModifier);
    else
        type(row.command);
    w->worker().onComputed = nullptr;
    EXPECT_EQ(runs, row.at) << "nothing ran on the worker after the cancel";
    EXPECT_EQ(cancels, 1);
    EXPECT_TRUE(before == snapshot());
    EXPECT_EQ(fake.clipboardText, row.clip);
    EXPECT_EQ(messages(), "");
    expectIdle();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    type("{Cancel}5+3=");  // the window takes input again
    EXPECT_EQ(readout(), "8.");
}

INSTANTIATE_TEST_SUITE_P(
    Window, CancelShowing,
    ::testing::Combine(
        ::testing::Values(ShowingRow{"Paste", "12", "{cmdPaste}"}, ShowingRow{"Digit", "{cmdPaste}", "7"},
                          ShowingRow{"ProductOperands", "{cmdPaste}*3", "="},
                          ShowingRow{"Product", "{cmdPaste}*3", "=", kLong, 2},
                          ShowingRow{"Square", "{cmdPaste}", "{cmdSquare}", std::string(calc::kLongText / 2 + 1, '9')},
                          ShowingRow{"MemoryRecall", "{cmdPaste}{cmdMemStore}C", "{cmdMemRecall}"},
                          ShowingRow{"MemoryAddOperands", "{cmdPaste}{cmdMemStore}", "{cmdMemAdd}"},
                          ShowingRow{"MemoryAdd", "{cmdPaste}{cmdMemStore}", "{cmdMemAdd}", kLong, 2},
                          ShowingRow{"Copy", "{cmdPaste}7", "^C"}),
        ::testing::Values(Way{"Escape", [](CalcWindow& t) { t.type("\x1b"); }},
                          Way{"CancelButton", [](CalcWindow& t) { t.find<QPushButton>("cmdCancelWork")->click(); }})),
    [](const ::testing::TestParamInfo<CancelShowing::ParamType>& i) {
        return std::string(std::get<0>(i.param).name) + std::get<1>(i.param).name;
    });

}  // namespace
}  // namespace app
