#include "connection/connect_time.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tw {

std::string connect_time_text(double elapsed_seconds) {
    // Taken to the millisecond first: a reading made of many added ticks may
    // fall a hair short of the whole second it stands for.
    const long long milliseconds = std::llround(std::max(elapsed_seconds, 0.0) * 1000.0);
    const long long seconds = milliseconds / 1000;
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return text;
}

}  // namespace tw
