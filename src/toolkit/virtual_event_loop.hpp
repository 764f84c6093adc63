#pragma once

#include <functional>
#include <vector>

#include "toolkit/event_loop.hpp"

namespace tw {

// A simulated clock for tests: waiting advances simulated time to the next
// due timer (in bounded steps) and fires due timers in order, so a day of
// scheduling runs in well under a second.
//
// The wall clock follows a time-zone rule (none unless set), so a test may
// live through the night the clocks go back.
//
// While `pace_in_real_time` is on, every advance also sleeps that long in
// real time, for tests that wait on real child processes.
class virtual_event_loop : public event_loop {
public:
    // Longest single advance of do_events(): keeps "while not done: let
    // events run" loops fine-grained even when no timer is due.
    static constexpr double step_seconds = 0.01;

    explicit virtual_event_loop(wall_time start = make_wall_time(2026, 12, 6, 12, 0, 0));

    using universal_time = std::chrono::sys_time<std::chrono::milliseconds>;
    // The local clock's offset from UTC at a universal time.
    using zone_rule = std::function<std::chrono::minutes(universal_time)>;

    double clock() const override { return clock_; }
    wall_time now() const override;
    std::chrono::minutes utc_offset() const override { return zone_(universal_now()); }
    void do_events() override;
    void wait(double max_seconds) override;
    void add_timer(timer& t) override;
    void remove_timer(timer& t) override;

    // Sets the wall clock; the monotonic clock goes on from where it is. A
    // local time the clock shows twice may be taken as either reading.
    void set_now(wall_time t);
    // The local clock follows `rule` from now on; the universal time goes on.
    void set_zone(zone_rule rule) { zone_ = std::move(rule); }
    void pace_in_real_time(bool on) { real_time_ = on; }
    // Events from outside the simulated clock (a service on a bus) are taken
    // in by `take` before every advance; it may wait briefly in real time.
    void take_outside_events(std::function<void()> take) { take_outside_ = std::move(take); }

    // Lets simulated time pass while events run.
    void run_for(double seconds);
    // Runs until `done` holds or `max_seconds` have passed; returns `done()`.
    bool run_until(const std::function<bool()>& done, double max_seconds = 24 * 3600.0);

private:
    struct armed_timer {
        timer* t;
        double due;
        scoped_connection rearmed;
    };

    void advance_to(double target);
    void fire_due_timers();
    double next_due() const;

    universal_time universal_now() const;

    double clock_ = 1000.0;  // a monotonic reading, unrelated to the wall clock
    universal_time universal_at_zero_;
    zone_rule zone_ = [](universal_time) { return std::chrono::minutes{0}; };
    bool real_time_ = false;
    std::function<void()> take_outside_;
    std::vector<armed_timer> timers_;
};

}  // namespace tw
