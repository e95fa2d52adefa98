#pragma once

#include <cmath>

namespace coinwell::platform {

// Layouts are in twips; 15 twips make one device-independent pixel.
inline constexpr double kTwipsPerPixel = 15.0;

inline int TwipsToPixels(int twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

}  // namespace coinwell::platform
