#include "scheduler/interval_schedule.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tw {
namespace {

// The day's runs, or why there are none.
std::string runs(const char* start, const char* stop, const char* interval) {
    std::string texts;
    for (time_of_day t : daily_runs(start, stop, interval)) texts += hh_mm(t) + " ";
    return never_runs_reason(start, stop, interval).value_or(texts);
}

TEST(interval_schedule, runs_at_start_plus_whole_steps_on_a_mark_inside_the_hours_or_says_why_not) {
    const struct {
        const char *start, *stop, *interval, *expected;
    } cases[] = {
        {"08:05", "17:00", "10 minutes", "the start time is not on a ten-minute mark"},
        {"08:00", "17:30", "1 hour",
         "08:00 09:00 10:00 11:00 12:00 13:00 14:00 15:00 16:00 17:00 "},
        {"08:00", "08:00", "20 minutes", "08:00 08:20 08:40 "},
        {"08:00", "12:00", "50 minutes", "08:00 08:50 09:40 10:30 11:20 12:10 "},
        {"17:00", "17:00", "20 MINUTES", "17:00 17:20 17:40 "},
        {"22:00", "02:00", "10 minutes", "the window crosses midnight"},
        {"06:45", "23:00", "daily", "the start time is not on a ten-minute mark"},
        {"06:00", "07:00", "Daily", "06:00 "},
        {"23:00", "23:59", "2 hours", "23:00 "},
        {" 8:00 ", "09:00", "30 minutes", "08:00 08:30 09:00 09:30 "},
        {"", "17:00", "1 hour", "it has no start time"},
        {"08:00", " ", "1 hour", "it has no stop time"},
        {"08:00", "17:00", "", "it has no interval"},
        {"08:00", "17:00", "90 minutes", "the interval is not one the schedule knows"},
        {"8h00", "17:00", "1 hour", "the start time is not a time of day"},
        {"24:00", "17:00", "1 hour", "the start time is not a time of day"},
        {"08:00", "17:60", "1 hour", "the stop time is not a time of day"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(runs(c.start, c.stop, c.interval), c.expected)
            << c.start << " - " << c.stop << " every " << c.interval;
}

}  // namespace
}  // namespace tw
