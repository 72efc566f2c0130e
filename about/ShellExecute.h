// basShellExecute: hands a target to the desktop shell so that its
// associated program opens it.
#pragma once

#include <cstdint>
#include <string>

namespace about {

// The command line that offers the system's "Open With" chooser; the target
// follows the final blank directly, unquoted.
inline constexpr const char* kOpenWithCommand = "rundll32.exe shell32.dll,OpenAs_RunDLL ";

// Opens target with the shell's default action (platform::shell().open).
// Returns "" when the shell accepted it or no text applies, otherwise the
// text for the shell's failure code. Code 31 (no associated program) starts
// the Open With chooser for the target instead and returns "". Shows no
// message itself. The arguments are the caller's and stay unchanged.
std::string ShellOpen(std::string& target, std::int32_t& showCommand, std::int32_t& ownerWindow);

// The text for one shell result code; "" for success (above 32) and for
// failures without a text of their own.
std::string ShellResultText(int code);

}  // namespace about
