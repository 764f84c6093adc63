#pragma once

#include <chrono>
#include <string>

namespace tw {

// The local date and time of day, as the user's clock shows it.
using wall_time = std::chrono::local_time<std::chrono::milliseconds>;

// A local time with the clock's offset from UTC then: one moment, also in the
// hour the clocks go back, which the local time alone shows twice.
struct moment {
    wall_time local;
    std::chrono::minutes utc_offset{0};
};

// "2026-10-25T02:30:00+02:00": ISO 8601, sortable by time and unambiguous.
std::string format_iso_8601(moment m);

// 2026, 12, 6, 7, 29, 50 -> that local moment.
wall_time make_wall_time(int year, unsigned month, unsigned day, int hour = 0, int minute = 0,
                         int second = 0);

// "mm-dd-yyyy"
std::string format_date(wall_time t);
// "hh:mm:ss", 24-hour
std::string format_time(wall_time t);

}  // namespace tw
