#pragma once

#include "toolkit/wall_time.hpp"

namespace tw {

// The system's local date and time of day, to the millisecond.
wall_time local_now();

// The system's local offset from UTC now.
std::chrono::minutes local_utc_offset();

// False for a time the local clock skips: the hour lost when summer time
// begins, in the system's time zone.
bool local_time_exists(wall_time t);

}  // namespace tw
