// Window geometry is designed in twips (1/1440 inch); these convert it to
// and from pixels at a given logical resolution (dots per inch).
#pragma once

#include <cmath>

namespace platform::qt {

inline constexpr double kTwipsPerInch = 1440.0;

inline int TwipsToPx(double twips, double dpi) { return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch)); }

inline double PxToTwips(double px, double dpi) { return px * kTwipsPerInch / dpi; }

}  // namespace platform::qt
