#pragma once

#include <cmath>

namespace tw {

// Forms measure in twips, 1440 to the logical inch; windows in pixels.
// Both views convert with these, so a form looks the same in either.
constexpr int twips_per_inch = 1440;

inline int twips_to_pixels(int twips, int dots_per_inch) {
    return static_cast<int>(
        std::lround(static_cast<double>(twips) * dots_per_inch / twips_per_inch));
}

inline int pixels_to_twips(int pixels, int dots_per_inch) {
    return static_cast<int>(
        std::lround(static_cast<double>(pixels) * twips_per_inch / dots_per_inch));
}

}  // namespace tw
