#include "toolkit/wall_time.hpp"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(wall_time, stamps_use_two_digit_month_day_hour_and_a_four_digit_year) {
    EXPECT_EQ(format_date(make_wall_time(1999, 12, 5, 8, 30, 0)), "12-05-1999");
    EXPECT_EQ(format_time(make_wall_time(2026, 1, 2, 8, 5, 9)), "08:05:09");
    EXPECT_EQ(format_time(make_wall_time(2026, 1, 2, 23, 59, 59)), "23:59:59");
}

}  // namespace
}  // namespace tw
