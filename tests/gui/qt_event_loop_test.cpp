#include "gui/qt_event_loop.hpp"

#include <gtest/gtest.h>

#include <QTimer>

namespace tw {
namespace {

// Lets the loop run until `done` or ten seconds, which no passing test needs.
template <class Done>
bool run_until(qt_event_loop& loop, Done done) {
    const double give_up = loop.clock() + 10;
    while (!done() && loop.clock() < give_up) loop.wait(0.5);
    return done();
}

TEST(qt_event_loop, a_timer_ticks_and_a_tick_that_waits_is_never_reentered) {
    qt_event_loop loop;
    timer t;
    loop.add_timer(t);
    int ticks = 0, depth = 0, deepest = 0;
    t.tick.connect([&] {
        ++ticks;
        deepest = std::max(deepest, ++depth);
        // Several periods pass inside the first tick.
        if (ticks == 1) loop.pause(0.1);
        --depth;
    });
    t.start(1);

    EXPECT_TRUE(run_until(loop, [&] { return ticks >= 3; }));
    EXPECT_EQ(deepest, 1);
    loop.remove_timer(t);
}

TEST(qt_event_loop, a_stopped_or_removed_timer_no_longer_ticks) {
    qt_event_loop loop;
    timer stopped, removed;
    loop.add_timer(stopped);
    loop.add_timer(removed);
    int stopped_ticks = 0, removed_ticks = 0;
    stopped.tick.connect([&] {
        ++stopped_ticks;
        stopped.stop();
    });
    removed.tick.connect([&] {
        ++removed_ticks;
        loop.remove_timer(removed);  // from its own tick
    });
    stopped.start(10);
    removed.start(10);

    EXPECT_TRUE(run_until(loop, [&] { return stopped_ticks + removed_ticks == 2; }));
    loop.pause(0.1);
    EXPECT_EQ(stopped_ticks, 1);
    EXPECT_EQ(removed_ticks, 1);
    loop.remove_timer(stopped);
}

TEST(qt_event_loop, wait_blocks_no_longer_than_its_bound) {
    qt_event_loop loop;
    loop.do_events();
    // Each wait ends at its bound or earlier, on some event.
    const double start = loop.clock();
    for (int i = 0; i < 5; ++i) loop.wait(0.05);
    EXPECT_LT(loop.clock() - start, 1.0);
}

TEST(qt_event_loop, wait_returns_soon_after_an_event_was_handled) {
    qt_event_loop loop;
    bool handled = false;
    QTimer::singleShot(20, [&] { handled = true; });
    const double start = loop.clock();
    while (!handled) loop.wait(30);
    EXPECT_LT(loop.clock() - start, 5.0);
}

}  // namespace
}  // namespace tw
