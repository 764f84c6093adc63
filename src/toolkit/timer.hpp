#pragma once

#include "toolkit/event.hpp"

namespace tw {

// A periodic tick. It ticks only while it is enabled and has an interval
// above 0; setting either restarts the period. A tick never starts while an
// earlier tick of the same timer is still running (handlers that wait let
// events run, which must not re-enter them): such ticks are dropped.
class timer {
public:
    timer() = default;
    timer(const timer&) = delete;
    timer& operator=(const timer&) = delete;

    int interval() const { return interval_ms_; }
    void set_interval(int milliseconds) {
        interval_ms_ = milliseconds;
        rearmed();
    }

    bool enabled() const { return enabled_; }
    void set_enabled(bool enabled) {
        enabled_ = enabled;
        rearmed();
    }

    // Disabled with interval 0: how the program stops its timers.
    void stop() {
        enabled_ = false;
        interval_ms_ = 0;
        rearmed();
    }
    // Interval and enabled in one step.
    void start(int milliseconds) {
        interval_ms_ = milliseconds;
        enabled_ = true;
        rearmed();
    }

    bool armed() const { return enabled_ && interval_ms_ > 0; }
    bool ticking() const { return ticking_; }

    // Called by the event loop when the period is over.
    void fire();

    event<> tick;
    event<> rearmed;  // for event loops: restart the period

private:
    int interval_ms_ = 0;
    bool enabled_ = false;
    bool ticking_ = false;
};

}  // namespace tw
