#include "connection/connect_time.hpp"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(connect_time, shows_hours_minutes_and_seconds_of_at_least_two_digits) {
    const struct {
        double seconds;
        const char* text;
    } cases[] = {
        {0, "00:00:00"},          {9, "00:00:09"},          {59.999, "00:00:59"},
        {60, "00:01:00"},         {3599.4, "00:59:59"},     {3 * 3600 + 5 * 60 + 9, "03:05:09"},
        {36000, "10:00:00"},      {360000, "100:00:00"},    {359999.9999999, "100:00:00"},
        {1000 * 3600 + 1, "1000:00:01"},                    {-0.5, "00:00:00"},
    };
    for (const auto& c : cases) EXPECT_EQ(connect_time_text(c.seconds), c.text) << c.seconds;
}

}  // namespace
}  // namespace tw
