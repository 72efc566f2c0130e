#include "calc/tests/Harness.h"

#include "words/NumToWords.h"

#include <gtest/gtest.h>

#include <map>

namespace calc::test {

void Harness::replay(const std::string& sequence)
{
    std::istringstream in(sequence);
    std::string word;
    while (in >> word)
        press(word);
}

void Harness::press(const std::string& w)
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
        {"mod", &Engine::cmdMod_Click},
        {"pow", &Engine::cmdToPowerOf_Click},
        {"copy", &Engine::mnuCopy_Click},
        {"paste", &Engine::cmdPaste_Click},
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
    };
    static const std::map<std::string, int> operators = {
        {"/", kOperatorDivide}, {"+", kOperatorAdd}, {"X", kOperatorMultiply},
        {"-", kOperatorSubtract}, {"=", kOperatorEquals}};

    if (w.rfind("key:", 0) == 0) {
        for (char c : w.substr(4))
            engine.KeyPress(c);
        return;
    }
    if (w == "metric" || w == "imperial") {
        view.metric = w == "metric";
        return;
    }
    if (auto it = operators.find(w); it != operators.end()) {
        engine.Operator_Click(it->second);
        return;
    }
    if (auto it = buttons.find(w); it != buttons.end()) {
        (engine.*(it->second))();
        return;
    }
    if (auto it = ExtraButtons().find(w); it != ExtraButtons().end()) {
        (engine.*(it->second))();
        return;
    }
    if (w.find_first_not_of("0123456789.") == std::string::npos) {
        for (char c : w) {
            if (c == '.')
                engine.Decimal_Click();
            else
                engine.Number_Click(c - '0');
        }
        return;
    }
    ADD_FAILURE() << "unknown word in sequence: " << w;
}

std::map<std::string, void (Engine::*)()>& ExtraButtons()
{
    static std::map<std::string, void (Engine::*)()> extra;
    return extra;
}

std::string Tape(const std::vector<std::string>& lines)
{
    std::string t;
    for (const std::string& l : lines)
        t += l + "\r\n\r\n";
    return t;
}

void Check(const Harness& h, const Expect& e)
{
    const CalcState& s = h.engine.state();
    if (e.readout) {
        EXPECT_EQ(s.readoutText, *e.readout) << "readout";
    }
    if (e.tape) {
        EXPECT_EQ(s.historyText.str(), Tape(*e.tape)) << "history";
        std::vector<std::string> shown(h.view.historyLines.rbegin(), h.view.historyLines.rend());
        EXPECT_EQ(shown, *e.tape) << "lines handed to the view";
    }
    if (e.first) {
        EXPECT_EQ(s.firstOperand, *e.first) << "firstOperand";
    }
    if (e.second) {
        EXPECT_EQ(s.secondOperand, *e.second) << "secondOperand";
    }
    if (e.lastInput) {
        EXPECT_EQ(s.lastInput, *e.lastInput) << "lastInput";
    }
    if (e.pending) {
        EXPECT_EQ(s.pendingOperator, *e.pending) << "pendingOperator";
    }
    if (e.count) {
        EXPECT_EQ(s.operandCount, *e.count) << "operandCount";
    }
    if (e.decimal) {
        EXPECT_EQ(s.decimalEntered, *e.decimal) << "decimalEntered";
    }
    if (e.messageTitles) {
        std::vector<std::string> titles;
        for (const platform::ShownMessage& m : h.platform.messages)
            titles.push_back(m.title);
        EXPECT_EQ(titles, *e.messageTitles) << "messages";
    }
    if (e.memory) {
        EXPECT_EQ(s.memoryValue, *e.memory) << "memoryValue";
        EXPECT_EQ(h.view.memoryCaption, *e.memory) << "lblMem";
        EXPECT_EQ(h.engine.MemoryCaption(), *e.memory) << "lblMem (engine)";
    }
    if (e.memoryButtons) {
        EXPECT_EQ(h.view.memoryButtonsEnabled, *e.memoryButtons) << "MR/MC enabled";
        EXPECT_EQ(h.engine.MemoryButtonsEnabled(), *e.memoryButtons) << "MR/MC enabled (engine)";
    }
    if (e.words) {
        EXPECT_EQ(h.view.wordsCaption, *e.words) << "lbltxtNum";
        EXPECT_EQ(h.engine.WordsCaption(), *e.words) << "lbltxtNum (engine)";
    }
    if (e.clipboard) {
        EXPECT_EQ(h.platform.clipboardText, *e.clipboard) << "clipboard";
    }
}

std::string Words(const std::string& integerPart) { return words::NumberToWords(integerPart); }

}  // namespace calc::test
