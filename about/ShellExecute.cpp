#include "about/ShellExecute.h"

#include "platform/Platform.h"

namespace about {

std::string ShellResultText(int code)
{
    switch (code) {
    case 0: return "Out of Memory / Resources!";
    case 2: return "Bad File / File not found!";
    case 3: return "Bad Path / Path not found!";
    case 11: return "Bad File Format!";
    default: return "";
    }
}

std::string ShellOpen(std::string& target, std::int32_t& showCommand, std::int32_t& ownerWindow)
{
    const int r = platform::shell().open(target, showCommand, ownerWindow);
    if (r > 32)
        return "";
    if (r == 31) {
        platform::shell().run(std::string(kOpenWithCommand) + target, 1);
        return "";
    }
    return ShellResultText(r);
}

}  // namespace about
