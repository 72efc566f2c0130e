#include "about/AboutLogic.h"

namespace about {
namespace {

constexpr std::uint32_t kFullAccess = 0x2003F;
constexpr std::uint32_t kValueBufferSize = 1024;
const char* const kCrLf = "\r\n";

}  // namespace

std::string VersionLine(const platform::AppInfo& info)
{
    return "Version " + std::to_string(info.major) + "." + std::to_string(info.minor) + "." +
           std::to_string(info.revision);
}

std::string StringTheoryText()
{
    std::string t;
    t += "In physics, string theory is a theoretical framework in which the point-like particles of "
         "particle physics are replaced by one-dimensional objects called strings.  It describes how "
         "these strings propagate through space and interact with each other.";
    t += kCrLf;
    t += kCrLf;
    t += "My definition of String Theory is: ";
    t += kCrLf;
    t += "Perform arithmetic operations (add, subtract, multiply, divide, etc.) on sets of strings that ";
    t += "happen to look like numbers.  At no time during the operation of this application are any ";
    t += "math operations performed by built in math functions.  All math functions were written by me ";
    t += "starting with the 4 basic ones.  I found programing the Root operations to be especially challenging, ";
    t += "and the formatting of numbers, and their conversion into words to be the most tedious.";
    t += kCrLf;
    t += kCrLf;
    t += "    -- The Megatally developer, December 2026";
    return t;
}

void LoadAbout(AboutState& s, const platform::AppInfo& info, double calcLeft, double calcTop, double calcWidth,
               double calcHeight)
{
    s.caption = "About Megatally";
    s.version = VersionLine(info);
    s.title = kAppTitle;
    s.title1 = kAppTitle;
    s.appNameAlternate = "(A Calculator that can be used with numbers that are thousands of digits long.)";
    s.left = calcLeft + (calcWidth - s.width) / 2;
    s.top = calcTop + (calcHeight - s.height) / 2;
    s.explanation = StringTheoryText();
}

void ToggleHeight(AboutState& s) { s.height = s.height != kShortHeight ? kShortHeight : kTallHeight; }

Boolean GetKeyValue(platform::Registry::Key& keyRoot, std::string& keyName, std::string& subKeyRef, std::string& keyVal)
{
    auto& reg = platform::registry();
    platform::Registry::Key key = 0;
    Boolean result = kFalse;
    keyVal.clear();
    if (reg.openKey(keyRoot, keyName, kFullAccess, key) == 0) {
        std::uint32_t type = 0;
        std::string data;
        if (reg.queryValue(key, subKeyRef, type, data, kValueBufferSize) == 0) {
            if (data.size() > kValueBufferSize)
                data.resize(kValueBufferSize);
            if (!data.empty() && data.back() == '\0')
                data.pop_back();
            // Only text values are read by this window; others are kept as
            // their raw bytes.
            keyVal = data;
            result = kTrue;
        }
    }
    reg.closeKey(key);
    return result;
}

void StartSysInfo()
{
    try {
        platform::Registry::Key root = platform::Registry::HKEY_LOCAL_MACHINE;
        std::string key = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
        std::string value = "PATH";
        std::string path;
        if (GetKeyValue(root, key, value, path)) {
            platform::shell().run(path, 1);
            return;
        }
        key = "SOFTWARE\\Microsoft\\Shared Tools Location";
        value = "MSINFO";
        if (GetKeyValue(root, key, value, path)) {
            path += "\\MSINFO32.EXE";
            if (platform::files().exists(path)) {
                platform::shell().run(path, 1);
                return;
            }
        }
        platform::showMessage(kSysInfoUnavailable, kAppTitle, platform::Icon::None, platform::Buttons::OK);
    } catch (...) {
        // Ends quietly, like any other failure of this button.
    }
}

std::string HokeyPath(const std::string& folder, char separator)
{
    if (!folder.empty() && folder.back() == separator)
        return folder + "Hokey.mid";
    return folder + separator + "Hokey.mid";
}

void UnloadCleanup()
{
    try {
#ifdef _WIN32
        const char sep = '\\';
#else
        const char sep = '/';
#endif
        const std::string path = HokeyPath(platform::appInfo().folder, sep);
        if (platform::files().exists(path)) {
            platform::media().sendString("close Hokey");
            platform::files().remove(path);
        }
    } catch (...) {
        // Errors are ignored.
    }
}

}  // namespace about
