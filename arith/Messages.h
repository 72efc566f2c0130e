// The refusal and error messages of the arithmetic, one table for every
// place that shows them: the arithmetic itself and the calculator commands
// that refuse the same input before calling it. Each message is its text,
// its title and its icon; all of them have an OK button only.
#pragma once

#include "platform/Platform.h"

namespace arith {

struct Message {
    const char* text;
    const char* title;
    platform::Icon icon;
};

inline constexpr const char* kSorryTitle = "Sorry";

namespace messages {

using platform::Icon;

// Division and remainder.
inline constexpr Message kDivideByZero{"Error: Divide by Zero.", "Big Math(Divide)", Icon::None};
inline constexpr Message kModuloByZero{"Error: Divide by Zero.", "Big Math(Modulo)", Icon::None};

// Whole powers.
inline constexpr Message kFractionalPower{"Fractional Powers are not supported!", "Megatally", Icon::Exclamation};
inline constexpr Message kPowerTooLarge{
    "This power is too large to compute: its result would have more than 268,435,456 digits.", "Megatally",
    Icon::Exclamation};

// Square and cube roots.
inline constexpr Message kRootNotANumber{"Invalid input!   Not a number.", kSorryTitle, Icon::Critical};
inline constexpr Message kRootNegative{"Invalid input!   Can't do root operations on Negative numbers", kSorryTitle,
                                       Icon::Critical};

// Factorial.
inline constexpr Message kFactorialNotANumber{"Invalid input!\r\n\r\nNot a number.", kSorryTitle, Icon::Critical};
inline constexpr Message kFactorialNegative{"Invalid input!\r\n\r\nCan't do Factorial operations on Negative numbers",
                                            kSorryTitle, Icon::Critical};
inline constexpr Message kFactorialFraction{"Invalid input!\r\n\r\nCan't do Factorial operations on fractions",
                                            kSorryTitle, Icon::Critical};
inline constexpr Message kFactorialTooLarge{"Invalid input!\r\n\r\nFactorials are limited to numbers up to 1,000,000",
                                            kSorryTitle, Icon::Critical};

// Logarithm.
inline constexpr Message kLogNotANumber = kRootNotANumber;
inline constexpr Message kLogNegative{"Invalid input!   Can't do log operations on Negative numbers", kSorryTitle,
                                      Icon::Critical};
inline constexpr Message kLogBadBase{"Invalid input!   The base of a logarithm must be greater than 1", kSorryTitle,
                                     Icon::Critical};

}  // namespace messages

// Shows the message with an OK button.
inline void show(const Message& m) { platform::showMessage(m.text, m.title, m.icon, platform::Buttons::OK); }

}  // namespace arith
