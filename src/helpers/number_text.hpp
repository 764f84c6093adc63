#pragma once

#include <string>
#include <string_view>

namespace tw {

// The one way the program reads a number the user typed (time-out, retry
// count, minutes to disconnect, the schedulers' retry wait): the number at
// the start of the text, as a user reads it. Leading blanks and tabs, an
// optional sign, digits, an optional fraction; whatever follows is ignored
// ("12 s" reads 12), and a text that does not start with a number reads 0.
// So an empty retry count gives up after the first pass: every sequence ends.
// Values beyond +-number_limit are clamped, so no caller can overflow.
double number_value(std::string_view text);

inline constexpr double number_limit = 1e9;

// Whether `text` is digits only, or empty: all the time-out and retry count
// boxes take, so no sign, blank or fraction gets in.
bool digits_only(std::string_view text);

// A number written back into a box: plain decimal, never an exponent, and
// read back by number_value() as the same value.
std::string number_text(double value);

}  // namespace tw
