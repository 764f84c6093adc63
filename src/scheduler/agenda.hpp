#pragma once

#include <string>
#include <vector>

#include "scheduler/task_entry.hpp"
#include "toolkit/wall_time.hpp"

namespace tw {

// What the interval schedule will do with the enabled `tasks` in the `hours`
// after `from`: each day's planned runs in time order ("hh:mm  program
// parameters", under a "mm-dd-yyyy" heading), then each enabled task that
// never runs, with the reason in plain words. It answers with the same due
// test the schedule uses, so the surprises (a start off a ten-minute mark, a
// stop time that bounds by hour only, a window across midnight) show here.
std::string agenda_text(const std::vector<task_entry>& tasks, wall_time from, int hours);

}  // namespace tw
