#pragma once

#include <functional>
#include <string>

#include "scheduler/interval_schedule.hpp"
#include "toolkit/wall_time.hpp"

namespace tw {

class program;

// The steps the interval and the specific-time schedules share.

// Whether the dialer reports the line up.
bool line_is_up(program& p);

// A pass's hand-over after its last task: a disconnect that hangs up only
// with "Disconnect after last task" ticked.
void disconnect_after_pass(program& p);

// Lets events run until the clock shows another minute than `started`, so a
// schedule looks at each minute once.
void wait_for_next_minute(program& p, wall_time started);

// The stored field `section` of the task `application`.
std::string task_field(program& p, const char* section, const std::string& application);

// Calls `run` with each task of o_task_list, in list order, whose stored
// "Enabled" field is on. A task removed from the list while an earlier one
// runs is not run.
void for_each_enabled_task(program& p, const std::function<void(const std::string&)>& run);

// Shown when a schedule is switched on with neither an entry nor a default.
inline constexpr const char* no_entry_message =
    "You must select a phonebook entry.  You should also select the default ISP entry.";

// Where a schedule being switched on found its phone-book entry.
enum class entry_source { chosen, default_isp, none };

// Fills in the default ISP when no entry is chosen, or shows no_entry_message
// when there is no default either.
entry_source take_schedule_entry(program& p);

// True when the entry shown is one of the list's; otherwise the shown text is
// cleared.
bool keep_listed_entry(program& p);

}  // namespace tw
