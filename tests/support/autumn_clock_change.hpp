#pragma once

#include "toolkit/virtual_event_loop.hpp"

namespace tw::testing {

// Central European time the night summer time ends in 2026: +02:00 until
// 2026-10-25 01:00 UTC, +01:00 after, when 03:00 becomes 02:00 once more.
// The clock is set to `hour`:`minute` that day; a time from 02:00 to 02:59
// would be read as its second showing.
inline void live_through_the_autumn_clock_change(virtual_event_loop& loop, int hour, int minute) {
    using namespace std::chrono;
    constexpr auto change = sys_days{2026y / October / 25} + 1h;
    loop.set_zone([change](virtual_event_loop::universal_time at) -> minutes {
        return at < change ? 120min : 60min;
    });
    loop.set_now(make_wall_time(2026, 10, 25, hour, minute));
}

}  // namespace tw::testing
