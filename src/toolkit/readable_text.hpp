#pragma once

#include <algorithm>
#include <cmath>

#include "toolkit/control.hpp"

namespace tw {

constexpr colour black = 0x00000000;
constexpr colour white = 0x00FFFFFF;

// The relative luminance of a colour of the program's own (not a system
// colour), 0 for black to 1 for white, as WCAG 2 defines it.
inline double luminance(colour c) {
    const auto channel = [c](int shift) {
        const double v = ((c >> shift) & 0xFF) / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(0) + 0.7152 * channel(8) + 0.0722 * channel(16);
}

// From 1 (none) to 21 (black on white); text needs 4.5 to read well.
inline double contrast_ratio(colour a, colour b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The caption of a control with a background of its own (the red of a running
// schedule) is drawn in black or white, whichever reads better on it, whatever
// the desktop's own text colour is.
inline colour text_colour_on(colour back) {
    return contrast_ratio(black, back) >= contrast_ratio(white, back) ? black : white;
}

}  // namespace tw
