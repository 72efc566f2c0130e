#include "calc/tests/Harness.h"

#include <fstream>
#include <map>
#include <sstream>

namespace calc::test {

std::optional<std::string> FakeView::showZoom(const std::string& readout, const std::string& words)
{
    log_.push_back("zoom:" + readout + "|" + words);
    if (zoomResults.empty())
        return readout;
    std::optional<std::string> r = zoomResults.front();
    zoomResults.pop_front();
    return r;
}

std::optional<std::string> RecordingWorker::run(const std::function<std::string()>& compute)
{
    ++runs;
    log_.push_back("compute");
    std::string r = compute();
    if (cancel)
        return std::nullopt;
    return r;
}

void Harness::replay(const std::string& sequence)
{
    static const std::map<std::string, void (Engine::*)()> buttons = {
        {"%", &Engine::Percent_Click},
        {"C", &Engine::Cancel_Click},
        {"CE", &Engine::CancelEntry_Click},
        {"MS", &Engine::cmdMemStore_Click},
        {"MR", &Engine::cmdMemRecall_Click},
        {"MC", &Engine::cmdMemClear_Click},
        {"M+", &Engine::cmdMemAdd_Click},
        {"M-", &Engine::cmdMemSub_Click},
        {"sq", &Engine::cmdSquare_Click},
        {"cube", &Engine::cmdCube_Click},
        {"sqrt", &Engine::cmdSquareRoot_Click},
        {"cbrt", &Engine::cmdCubeRoot_Click},
        {"fact", &Engine::cmdFactorial_Click},
        {"log", &Engine::cmdLog_Click},
        {"pi", &Engine::cmdPi_Click},
        {"e", &Engine::cmdEulers_Click},
        {"mod", &Engine::cmdMod_Click},
        {"pow", &Engine::cmdToPowerOf_Click},
        {"copy", &Engine::mnuCopy_Click},
        {"paste", &Engine::cmdPaste_Click},
        {"menupaste", &Engine::mnuPaste_Click},
        {"zoom", &Engine::mnuZoom_Click},
        {"dblreadout", &Engine::txtReadout_DblClick},
        {"dblwords", &Engine::lbltxtNum_DblClick},
        {"enter", &Engine::cmdSetFocus_Click},
        {"mm-in", &Engine::cmdMmToIn_Click},
        {"cm-ft", &Engine::cmdCmToFt_Click},
        {"m-yd", &Engine::cmdMtToYd_Click},
        {"km-mile", &Engine::CmdKmToMile_Click},
        {"ml-oz", &Engine::cmdMlToOz_Click},
        {"l-qt", &Engine::cmdLitToQt_Click},
        {"l-gal", &Engine::cmdLitToGal_Click},
        {"l-cuin", &Engine::cmdLitToCuIn_Click},
        {"g-oz", &Engine::cmdGmToOZ_Click},
        {"kg-lb", &Engine::cmdKgToLb_Click},
        {"c-f", &Engine::cmdCToF_Click},
        {"bs", &Engine::KeyBackspace},
    };
    static const std::map<std::string, int> operators = {{"/", kOperatorDivide},
                                                         {"+", kOperatorAdd},
                                                         {"X", kOperatorMultiply},
                                                         {"-", kOperatorSubtract},
                                                         {"=", kOperatorEquals}};

    std::istringstream in(sequence);
    std::string w;
    while (in >> w) {
        w = ExpandRuns(w);
        const auto op = operators.find(w);
        const auto button = buttons.find(w);
        if (op != operators.end()) {
            engine.Operator_Click(op->second);
        } else if (button != buttons.end()) {
            (engine.*(button->second))();
        } else if (w.find_first_not_of("0123456789.") == std::string::npos) {
            for (char c : w)
                c == '.' ? engine.Decimal_Click() : engine.Number_Click(c - '0');
        } else if (w.rfind("key:", 0) == 0) {
            for (char c : w.substr(4))
                engine.KeyPress(c);
        } else if (w == "metric" || w == "imperial") {
            view.metric = w == "metric";
        } else if (w == "yes" || w == "no") {
            platform.answers.push_back(w == "yes" ? platform::Answer::Yes : platform::Answer::No);
        } else if (w.rfind("clip:", 0) == 0) {
            platform.clipboardText = w.substr(5);
        } else if (w.rfind("back:", 0) == 0 || w == "wordsview") {
            view.zoomResults.push_back(w == "wordsview" ? std::nullopt : std::optional(w.substr(5)));
        } else if (w == "|") {
            platform.log.clear();
        } else {
            ADD_FAILURE() << "unknown word in sequence: " << w;
        }
    }
}

std::string Run(std::size_t n, char c) { return "{" + std::to_string(n) + "*" + c + "}"; }

std::string ExpandRuns(const std::string& text)
{
    std::string out;
    std::size_t at = 0;
    for (std::size_t open; (open = text.find('{', at)) != std::string::npos;) {
        const std::size_t star = text.find('*', open);
        const std::size_t close = text.find('}', open);
        if (star == std::string::npos || close != star + 2)
            break;
        out.append(text, at, open - at);
        out.append(std::stoull(text.substr(open + 1, star - open - 1)), text[star + 1]);
        at = close + 1;
    }
    out.append(text, at, std::string::npos);
    return out;
}

Lines Effects(const Harness& h)
{
    static const std::string kNotice = "caption:\r\n    ---  This could take a while!  ---";
    static const std::string kPiNotice = "caption:\r\n    ---  Chill Calcumalating Pi to 23 decimals!  ---";
    Lines out;
    for (const std::string& e : h.platform.log) {
        if (e == kNotice || e == kPiNotice)
            out.push_back(e == kNotice ? "notice" : "pi notice");
        else if (e.rfind("readout:", 0) == 0)
            out.push_back("readout");
        else if (e.rfind("caption:", 0) != 0)
            out.push_back(e);
    }
    return out;
}

Lines Messages(const Harness& h)
{
    static const char* const icons[] = {"None", "Critical", "Exclamation", "Question", "Information"};
    Lines out;
    for (const platform::ShownMessage& m : h.platform.messages) {
        out.push_back(m.title + "|" + icons[static_cast<int>(m.icon)] + "|" +
                      (m.buttons == platform::Buttons::OK ? "OK" : "YesNo") + "|" + m.text);
    }
    return out;
}

void Check(const Harness& h, const Expect& e)
{
    const auto eq = [](const auto& actual, const auto& expected, const char* what) {
        if (expected) {
            EXPECT_EQ(actual, *expected) << what;
        }
    };
    const CalcState& s = h.engine.state();
    std::string tape;  // each line followed by two CR LF pairs
    for (const std::string& l : e.tape.value_or(Lines{}))
        tape += l + "\r\n\r\n";
    eq(s.historyText.str(), e.tape ? std::optional(tape) : std::nullopt, "history");
    eq(Lines(h.view.historyLines.rbegin(), h.view.historyLines.rend()), e.tape, "lines shown, newest first");
    eq(s.readoutText, e.readout, "readout");
    eq(s.firstOperand, e.first, "firstOperand");
    eq(s.secondOperand, e.second, "secondOperand");
    eq(s.lastInput, e.lastInput, "lastInput");
    eq(s.pendingOperator, e.pending, "pendingOperator");
    eq(int{s.operandCount}, e.count, "operandCount");
    eq(s.decimalEntered, e.decimal, "decimalEntered");
    eq(Messages(h), e.messages, "messages");
    eq(s.memoryValue, e.memory, "memoryValue");
    eq(h.view.memoryCaption, e.memory, "lblMem");
    eq(h.engine.MemoryCaption(), e.memory, "lblMem (engine)");
    eq(h.view.memoryButtonsEnabled, e.memoryButtons, "MR/MC enabled");
    eq(h.engine.MemoryButtonsEnabled(), e.memoryButtons, "MR/MC enabled (engine)");
    eq(h.view.wordsCaption, e.words, "lbltxtNum");
    eq(h.engine.WordsCaption(), e.words, "lbltxtNum (engine)");
    eq(h.engine.ReadoutWords(), e.readoutWords, "ReadoutWords");
    eq(h.platform.clipboardText, e.clipboard, "clipboard");
    eq(Effects(h), e.effects, "effects");
    EXPECT_FALSE(h.platform.busy) << "pointer left busy";
}

TEST_P(Sequence, LeavesExpectedState)
{
    Harness h;
    if (GetParam().clip)
        h.platform.clipboardText = *GetParam().clip;
    h.replay(GetParam().keys);
    Check(h, GetParam().expect);
}

std::vector<Lines> ReadVectors(const std::string& name)
{
    std::ifstream f(std::string(MEGATALLY_SOURCE_DIR) + "/calc/tests/data/" + name);
    EXPECT_TRUE(f.good()) << name;
    std::vector<Lines> rows;
    std::string line;
    while (std::getline(f, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        rows.emplace_back();
        std::stringstream ss(line);
        for (std::string col; std::getline(ss, col, '\t');)
            rows.back().push_back(col);
    }
    return rows;
}

}  // namespace calc::test
