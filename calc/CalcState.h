// The calculator's engine record.
//
// CalcState is the main window's state as the engine sees it: the operands,
// the entry flags, the pending operator, the memory register, the readout
// text and the history tape. Only calc::Engine changes it; the window and the
// tests read it through Engine::state().
#pragma once

#include "calc/History.h"
#include "platform/Boolean.h"

#include <cstdint>
#include <string>

namespace calc {

// The 16-bit Boolean of the platform: true is -1, false is 0.
using platform::Boolean;
using platform::kFalse;
using platform::kTrue;

// Values of CalcState::lastInput (compared exactly; "Ops" and "OPS" differ).
inline constexpr const char* kInputNone = "NONE";      // nothing entered since start-up or C
inline constexpr const char* kInputNumber = "NUMS";    // a number is being typed or was placed
inline constexpr const char* kInputOperator = "OPS";   // an operator button was taken
inline constexpr const char* kInputCommand = "Ops";    // percent, mod or power set the operator
inline constexpr const char* kInputSign = "NEG";       // "-" taken as a sign
inline constexpr const char* kInputClearEntry = "CE";  // CE was pressed

// Largest value of operandCount (a signed 16-bit counter). The engine
// saturates there instead of wrapping.
inline constexpr std::int16_t kMaxOperandCount = 32767;

struct CalcState {
    // First operand, and the running result after each computation.
    std::string firstOperand;
    // Second operand of the computation in progress.
    std::string secondOperand;
    // The number being typed has its decimal point (kTrue / kFalse).
    Boolean decimalEntered = kFalse;
    // Operands collected for the pending operation: 0, 1 or 2 compute;
    // percent can push it higher, after which operators compute nothing
    // until C.
    std::int16_t operandCount = 0;
    // Kind of the last input: one of the kInput* texts.
    std::string lastInput = kInputNone;
    // Operator waiting for its second operand: " " (none), "+", "-", "X",
    // "/", "=", "%", "mod" or "^".
    std::string pendingOperator = " ";
    // The readout as it was at the start of the latest operator press.
    std::string readoutSnapshot;
    // The memory register; empty text means nothing is stored.
    std::string memoryValue;
    // The readout, a display string ("1,234.5", "36.", "0.", "-", "-0.").
    // Changed only through Engine::SetReadoutText, which runs the readout
    // reaction.
    std::string readoutText = "0.";
    // The history tape, newest line first; historyText.str() is the tape as
    // one text (each line followed by two CR LF pairs).
    HistoryTape historyText;
};

}  // namespace calc
