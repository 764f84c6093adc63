#pragma once

#include "toolkit/wall_time.hpp"

namespace tw {

// The system's local date and time of day, to the millisecond.
wall_time local_now();

}  // namespace tw
