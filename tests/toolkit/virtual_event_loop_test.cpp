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

TEST(virtual_event_loop, a_timer_ticks_only_while_enabled_with_an_interval_until_a_bound) {
    loop_with_timer l;
    l.t.set_enabled(true);
    l.loop.run_for(5);
    EXPECT_TRUE(l.ticks.empty()) << "interval 0 never ticks";

    l.t.set_interval(1000);
    const double start = l.loop.clock();
    EXPECT_TRUE(l.loop.run_until([&] { return l.ticks.size() == 3; }, 60));
    EXPECT_DOUBLE_EQ(l.ticks[0] - start, 1.0);
    EXPECT_DOUBLE_EQ(l.ticks[2] - start, 3.0);

    l.t.stop();
    EXPECT_FALSE(l.loop.run_until([&] { return l.ticks.size() > 3; }, 10));
}

// The first tick waits ten periods: it is not re-entered, the ticks it covers
// are dropped, and other timers tick meanwhile.
TEST(virtual_event_loop, a_tick_that_waits_is_not_reentered_while_other_timers_tick) {
    loop_with_timer l;
    timer other;
    int other_ticks = 0, depth = 0, deepest = 0;
    l.loop.add_timer(other);
    other.tick.connect([&] { ++other_ticks; });
    other.start(500);
    l.t.tick.connect([&] {
        deepest = std::max(deepest, ++depth);
        if (l.ticks.size() == 1) l.loop.pause(10);
        --depth;
    });
    l.t.start(1000);
    l.loop.run_for(12.5);
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(l.ticks.size(), 2u) << "ticks at 1 (waits until 11) and 12";
    EXPECT_EQ(other_ticks, 25);
    l.loop.remove_timer(other);
}

}  // namespace
}  // namespace tw
