#include "toolkit/virtual_event_loop.hpp"

#include <gtest/gtest.h>

namespace tw {
namespace {

struct loop_with_timer {
    virtual_event_loop loop;
    timer t;
    std::vector<double> ticks;
    loop_with_timer() {
        loop.add_timer(t);
        t.tick.connect([this] { ticks.push_back(loop.clock()); });
    }
    ~loop_with_timer() { loop.remove_timer(t); }
};

TEST(virtual_event_loop, a_timer_ticks_only_while_enabled_with_an_interval) {
    loop_with_timer l;
    l.t.set_enabled(true);
    l.loop.run_for(5);
    EXPECT_TRUE(l.ticks.empty()) << "interval 0 never ticks";

    l.t.set_interval(1000);
    const double start = l.loop.clock();
    l.loop.run_for(3.5);
    ASSERT_EQ(l.ticks.size(), 3u);
    EXPECT_DOUBLE_EQ(l.ticks[0] - start, 1.0);
    EXPECT_DOUBLE_EQ(l.ticks[2] - start, 3.0);

    l.t.stop();
    l.loop.run_for(10);
    EXPECT_EQ(l.ticks.size(), 3u);
}

TEST(virtual_event_loop, a_tick_that_waits_is_not_reentered_and_missed_ticks_are_dropped) {
    loop_with_timer l;
    int depth = 0;
    int deepest = 0;
    l.t.tick.connect([&] {
        ++depth;
        deepest = std::max(deepest, depth);
        if (l.ticks.size() == 1) l.loop.pause(10);  // the first tick waits ten periods
        --depth;
    });
    l.t.start(1000);
    l.loop.run_for(12.5);
    EXPECT_EQ(deepest, 1);
    // ticks at 1 (waits until 11), then 12; none queued for 2..11
    EXPECT_EQ(l.ticks.size(), 2u);
}

TEST(virtual_event_loop, other_timers_tick_during_a_wait) {
    loop_with_timer l;
    timer other;
    int other_ticks = 0;
    l.loop.add_timer(other);
    other.tick.connect([&] { ++other_ticks; });
    other.start(500);
    l.t.tick.connect([&] { l.loop.pause(6); });
    l.t.start(1000);
    l.loop.run_for(1.0);
    EXPECT_EQ(other_ticks, 2 + 12) << "2 before the waiting tick, 12 during its pause";
    l.loop.remove_timer(other);
}

TEST(virtual_event_loop, the_wall_clock_runs_across_midnight_while_the_monotonic_one_never_jumps) {
    virtual_event_loop loop(make_wall_time(2026, 12, 6, 23, 59, 58));
    const double start = loop.clock();
    loop.run_for(3);
    EXPECT_EQ(format_date(loop.now()), "12-07-2026");
    EXPECT_EQ(format_time(loop.now()), "00:00:01");
    EXPECT_DOUBLE_EQ(loop.clock() - start, 3.0);
}

TEST(virtual_event_loop, run_until_stops_at_the_condition_or_the_bound) {
    loop_with_timer l;
    l.t.start(250);
    EXPECT_TRUE(l.loop.run_until([&] { return l.ticks.size() == 4; }, 60));
    EXPECT_EQ(l.ticks.size(), 4u);
    EXPECT_FALSE(l.loop.run_until([] { return false; }, 2));
}

}  // namespace
}  // namespace tw
