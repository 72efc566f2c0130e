// The main window's title from the program's version numbers.
#pragma once

#include "platform/Platform.h"

#include <string>

namespace app {

// The title before start-up sets it.
inline constexpr const char* kInitialTitle = "Calculator for Large Numbers";

// "Calculator for Large Numbers (Ver 1.2.27)" for version 1.2 revision 27.
inline std::string WindowTitle(const platform::AppInfo& info)
{
    return std::string(kInitialTitle) + " (Ver " + std::to_string(info.major) + "." + std::to_string(info.minor) + "." +
           std::to_string(info.revision) + ")";
}

}  // namespace app
