#include "qt/qt_event_loop.hpp"

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

// The waiting tick pauses over several periods of its own timer; the other
// timers stop or remove themselves from their first tick.
TEST(qt_event_loop, a_tick_is_never_reentered_and_a_timer_stopped_in_its_tick_ticks_no_more) {
    qt_event_loop loop;
    timer waiting, stopped, removed;
    int ticks = 0, depth = 0, deepest = 0, stopped_ticks = 0, removed_ticks = 0;
    waiting.tick.connect([&] {
        ++ticks;
        deepest = std::max(deepest, ++depth);
        if (ticks == 1) loop.pause(0.1);
        --depth;
    });
    stopped.tick.connect([&] {
        ++stopped_ticks;
        stopped.stop();
    });
    removed.tick.connect([&] {
        ++removed_ticks;
        loop.remove_timer(removed);
    });
    for (timer* t : {&waiting, &stopped, &removed}) {
        loop.add_timer(*t);
        t->start(t == &waiting ? 1 : 10);
    }
    EXPECT_TRUE(run_until(loop, [&] { return ticks >= 3; }));
    loop.pause(0.1);
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(stopped_ticks, 1);
    EXPECT_EQ(removed_ticks, 1);
    loop.remove_timer(waiting);
    loop.remove_timer(stopped);
}

TEST(qt_event_loop, a_wait_ends_at_its_bound_or_soon_after_an_event) {
    qt_event_loop loop;
    loop.do_events();
    double start = loop.clock();
    for (int i = 0; i < 5; ++i) loop.wait(0.05);
    EXPECT_LT(loop.clock() - start, 1.0);

    bool handled = false;
    QTimer::singleShot(20, [&] { handled = true; });
    start = loop.clock();
    for (int wakes = 0; wakes < 5 && !handled; ++wakes) loop.wait(10);  // other events may wake it
    EXPECT_TRUE(handled);
    EXPECT_LT(loop.clock() - start, 5.0);
}

}  // namespace
}  // namespace tw
