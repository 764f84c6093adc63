#include "toolkit/posted_calls.hpp"

#include <gtest/gtest.h>

#include "toolkit/virtual_event_loop.hpp"

namespace tw {
namespace {

// The first call lets events run for a minute, as a session's connect tasks
// do inside a dialer's report; the calls posted before it ends run then.
TEST(posted_calls, run_soon_in_order_also_while_an_earlier_one_lets_events_run) {
    virtual_event_loop loop;
    posted_calls calls(loop);
    std::vector<std::string> ran;
    calls.post([&] {
        ran.push_back("long");
        calls.post([&] { ran.push_back("posted by long"); });
        loop.run_for(60);
        ran.push_back("long ends");
    });
    calls.post([&] { ran.push_back("next"); });
    EXPECT_TRUE(ran.empty()) << "none runs in its poster's stack";
    loop.run_for(0.01);
    EXPECT_EQ(ran, (std::vector<std::string>{"long", "next", "posted by long", "long ends"}));
}

}  // namespace
}  // namespace tw
