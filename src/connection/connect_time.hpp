#pragma once

#include <string>

namespace tw {

// The log line that reports how long a connection lasted is this text
// followed by the connect-time caption.
inline constexpr const char* connect_time_prefix = " Connect time:  ";

// "H:MM:SS" for a connect time in seconds, each part at least two digits;
// hours go past 99 ("100:00:00"). Whole seconds, rounded down.
std::string connect_time_text(double elapsed_seconds);

}  // namespace tw
