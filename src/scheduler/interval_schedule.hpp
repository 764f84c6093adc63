#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/wall_time.hpp"

namespace tw {

// A time of day on the 24-hour clock.
struct time_of_day {
    int hour;
    int minute;

    bool operator==(const time_of_day&) const = default;
};

// The hour and minute of `t`.
time_of_day minute_of(wall_time t);

// "hh:mm", two digits each.
std::string hh_mm(time_of_day t);

// A stored start or stop time: "hh:mm" (an hour of one digit is read too,
// "8:00" as 08:00), blanks around it ignored. Anything else, "25:00" or
// "noon", is no time of day.
std::optional<time_of_day> parse_time_of_day(std::string_view text);

// The step of an interval text ("10 minutes" ... "12 hours", "Daily"),
// compared in lower case; none for a text outside that list.
std::optional<int> interval_minutes(std::string_view interval);

// The interval schedule looks at its tasks only at these marks.
constexpr bool is_schedule_mark(time_of_day t) { return t.minute % 10 == 0; }

// Whether a task with these stored fields is due at `now`. The run times are
// the start time plus whole steps; only hours bound the window, so with stop
// 17:00 and a 20-minute step 17:40 still runs, and a window whose start hour
// lies after its stop hour never runs. A field that is empty, not a time of
// day or not a known interval makes the task never due.
bool is_due(time_of_day now, std::string_view start, std::string_view stop,
            std::string_view interval);

// Every schedule mark of a day at which the task is due, in time order. The
// schedule is the same every day.
std::vector<time_of_day> daily_runs(std::string_view start, std::string_view stop,
                                    std::string_view interval);

// Why a task with these fields never runs on the interval schedule, in plain
// words ("the window crosses midnight"); none when it runs at least once a day.
std::optional<std::string> never_runs_reason(std::string_view start, std::string_view stop,
                                             std::string_view interval);

}  // namespace tw
