#pragma once

#include <string>

#include "scheduler/interval_schedule.hpp"

namespace tw {

// The stored schedule fields of one task.
struct task_schedule {
    std::string start_time;
    std::string stop_time;
    std::string interval;
    bool enabled;
};

// One line for the editor: "Next runs: 17:10, 17:40, tomorrow 08:00" (the
// next three run times of the interval schedule after the minute `now`,
// counting on into the following days), or "Never runs: " and why.
std::string next_runs_text(time_of_day now, const task_schedule& task);

}  // namespace tw
