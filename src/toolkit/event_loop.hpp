#pragma once

#include "toolkit/timer.hpp"
#include "toolkit/wall_time.hpp"

namespace tw {

// The one thread's source of time and events. Work enters through control
// events, timer ticks and dialer events, all run from here.
class event_loop {
public:
    virtual ~event_loop() = default;

    // Monotonic seconds with a fraction; never jumps back at midnight.
    virtual double clock() const = 0;
    // The local date and time of day.
    virtual wall_time now() const = 0;
    // The local clock's offset from UTC now, which tells apart the two
    // readings of the hour the clocks go back.
    virtual std::chrono::minutes utc_offset() const = 0;
    // now() with utc_offset().
    moment now_with_offset() const { return {now(), utc_offset()}; }

    // Runs pending events once and returns.
    virtual void do_events() = 0;
    // Like do_events(), but may sleep until the next event or `max_seconds`.
    // Every "while condition: let events run" loop uses this, never a spin.
    virtual void wait(double max_seconds) = 0;

    // Timers tick only once added; a timer must be removed before it dies.
    virtual void add_timer(timer& t) = 0;
    virtual void remove_timer(timer& t) = 0;

    // Lets events run until `seconds` have passed on clock().
    void pause(double seconds) {
        const double start = clock();
        while (clock() - start < seconds) wait(seconds - (clock() - start));
    }
};

}  // namespace tw
