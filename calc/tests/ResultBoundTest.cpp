// Results too long to compute and show are refused before any work, and
// nothing changes.
#include "calc/Engine.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace calc {
namespace {

void type(Engine& e, const std::string& digits)
{
    for (char c : digits)
        e.EnterDigit(c - '0');
}

void paste(Engine& e, const std::string& text)
{
    platform::clipboard().setText(text);
    e.cmdPaste_Click();
}

bool sameState(const CalcState& a, const CalcState& b)
{
    return a.firstOperand == b.firstOperand && a.secondOperand == b.secondOperand &&
           a.decimalEntered == b.decimalEntered && a.operandCount == b.operandCount &&
           a.lastInput == b.lastInput && a.pendingOperator == b.pendingOperator &&
           a.readoutSnapshot == b.readoutSnapshot && a.memoryValue == b.memoryValue &&
           a.readoutText == b.readoutText && a.historyText.str() == b.historyText.str();
}

TEST(ResultBound, LongResultsAreRefusedBeforeAnyWork)
{
    const std::string half(kMaxResultDigits / 2, '7');  // two of these are just within the bound
    const struct {
        const char* name;
        std::function<void(Engine&)> setup, command;
        const char* refusal;  // nullptr: the work goes ahead
    } rows[] = {
        {"power just over", [](Engine& e) { type(e, "9"); e.cmdToPowerOf_Click(); type(e, "17600000"); },
         [](Engine& e) { e.PressOperator(kOperatorEquals); }, kResultTooLongText},  // 16.79M digits
        {"power far over", [](Engine& e) { type(e, "2"); e.cmdToPowerOf_Click(); type(e, "1000000000000"); },
         [](Engine& e) { e.PressOperator(kOperatorEquals); }, kResultTooLongText},
        {"product", [&](Engine& e) { paste(e, half); e.PressOperator(kOperatorMultiply); paste(e, half + "1"); },
         [](Engine& e) { e.PressOperator(kOperatorEquals); }, kResultTooLongText},
        {"square", [&](Engine& e) { paste(e, half + "1"); }, [](Engine& e) { e.cmdSquare_Click(); },
         kResultTooLongText},
        {"cube", [](Engine& e) { paste(e, std::string(kMaxResultDigits / 3 + 1, '3')); },
         [](Engine& e) { e.cmdCube_Click(); }, kResultTooLongText},
        {"paste", [](Engine& e) { type(e, "12"); },
         [](Engine& e) { paste(e, std::string(kMaxResultDigits + 1, '1')); }, kPasteTooLongText},
        {"small power", [](Engine& e) { type(e, "2"); e.cmdToPowerOf_Click(); type(e, "64"); },
         [](Engine& e) { e.PressOperator(kOperatorEquals); }, nullptr},
    };
    for (const auto& row : rows) {
        platform::FakePlatform fake;
        Engine e;
        row.setup(e);
        const CalcState before = e.state();
        fake.messages.clear();
        row.command(e);
        if (!row.refusal) {
            EXPECT_TRUE(fake.messages.empty()) << row.name;
            EXPECT_EQ(e.state().readoutText, "18,446,744,073,709,551,616.") << row.name;
            continue;
        }
        ASSERT_EQ(fake.messages.size(), 1u) << row.name;
        EXPECT_EQ(fake.messages[0].text, row.refusal) << row.name;
        EXPECT_EQ(fake.messages[0].title, kTooLongTitle) << row.name;
        EXPECT_EQ(fake.messages[0].icon, platform::Icon::Exclamation) << row.name;
        EXPECT_TRUE(sameState(before, e.state())) << row.name;
    }
}

}  // namespace
}  // namespace calc
