// The About window's logic, free of any toolkit: the state it shows, its
// load, height toggle and unload steps, and the system information launcher.
// Geometry is in twips (1/1440 inch), as the window's design.
#pragma once

#include "platform/Boolean.h"
#include "platform/Platform.h"

#include <cstdint>
#include <string>

namespace about {

using platform::Boolean;  // true is -1
using platform::kFalse;
using platform::kTrue;

inline constexpr double kClientWidth = 8085;
inline constexpr double kShortHeight = 4755;  // outer height, opens at this
inline constexpr double kTallHeight = 8295;
// Outer size less client size of the window's fixed dialog frame.
inline constexpr double kFrameWidth = 90;
inline constexpr double kFrameHeight = 435;

inline constexpr const char* kMailAddress = "megatally@example.org";
inline constexpr const char* kWebAddress = "https://www.example.org/megatally";
inline constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";
inline constexpr const char* kAppTitle = "Megatally";

struct AboutState {
    std::string caption = "About MyApp";
    double left = 0;
    double top = 0;
    double width = kClientWidth + kFrameWidth;
    double height = kShortHeight;
    std::string title = "Application Title";  // lblTitle
    std::string title1;                       // lblTitle1
    std::string appNameAlternate;             // lblAppNameAtternate
    std::string version = "Version";          // lblVersion
    std::string explanation;                  // txtStringTheory, CR LF line breaks
};

// The window caption, titles, description and version lines, the
// explanation text, and the position centred over the calculator window
// (whose outer position and size are given in twips).
void LoadAbout(AboutState& state, const platform::AppInfo& info, double calcLeft, double calcTop, double calcWidth,
               double calcHeight);

// The "String Theory??" button: 4755 <-> 8295 twips.
void ToggleHeight(AboutState& state);

// "Version 1.2.27" from the program's version numbers.
std::string VersionLine(const platform::AppInfo& info);

// The explanation text shown in txtStringTheory.
std::string StringTheoryText();

// Reads the text value subKeyRef of the key keyName under keyRoot into
// keyVal; true when it was read. The key is closed again in every case.
Boolean GetKeyValue(platform::Registry::Key& keyRoot, std::string& keyName, std::string& subKeyRef,
                    std::string& keyVal);

// Starts the system information program, or says it is unavailable.
void StartSysInfo();

// The path of "Hokey.mid" in folder, with one separator between them.
std::string HokeyPath(const std::string& folder, char separator);

// The unload clean-up: closes and deletes a stray "Hokey.mid" in the
// program's folder. Errors are ignored.
void UnloadCleanup();

}  // namespace about
