#pragma once

#include <string_view>

namespace tw {

// How the program reads a stored on/off value: any text holding the letter y
// in either case is on ("Yes", "y", "yes"); every other text is off ("No",
// "1", "True", "on", "").
constexpr bool means_yes(std::string_view text) {
    return text.find_first_of("yY") != std::string_view::npos;
}

}  // namespace tw
