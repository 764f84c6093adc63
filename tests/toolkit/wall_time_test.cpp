#include "toolkit/wall_time.hpp"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(wall_time, iso_8601_carries_the_offset_from_utc) {
    const wall_time at = make_wall_time(2026, 10, 25, 2, 30, 5);
    const struct {
        int offset_minutes;
        const char* text;
    } cases[] = {{120, "2026-10-25T02:30:05+02:00"},
                 {0, "2026-10-25T02:30:05+00:00"},
                 {-210, "2026-10-25T02:30:05-03:30"},
                 {345, "2026-10-25T02:30:05+05:45"}};
    for (const auto& c : cases)
        EXPECT_EQ(format_iso_8601({at, std::chrono::minutes{c.offset_minutes}}), c.text);
}

}  // namespace
}  // namespace tw
