#pragma once

#include <iosfwd>
#include <vector>

#include "scheduler/task_entry.hpp"
#include "toolkit/wall_time.hpp"

namespace tw {

// Writes to `out` what the interval schedule will do with the enabled `tasks`
// in the `hours` after `from`: each day's planned runs in time order
// ("hh:mm  program parameters", under a "mm-dd-yyyy" heading), then each
// enabled task that never runs, with the reason in plain words. It answers
// with the same due test the schedule uses, so the surprises (a start off a
// ten-minute mark, a stop time that bounds by hour only, a window across
// midnight) show here. A time the clocks skip (the hour lost when summer time
// begins) has no runs, as the schedule never sees it. Each run is written as
// it is found, so a year of a long list takes no more memory than a day.
void write_agenda(std::ostream& out, const std::vector<task_entry>& tasks, wall_time from,
                  int hours);

}  // namespace tw
