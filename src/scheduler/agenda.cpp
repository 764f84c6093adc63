#include "scheduler/agenda.hpp"

#include "core/yes_text.hpp"
#include "platform/path_rules.hpp"
#include "scheduler/interval_schedule.hpp"

namespace tw {

namespace {

using namespace std::chrono;

std::string task_text(const task_entry& task) {
    return trim(task.application + " " + task.parameters);
}

// The first schedule mark at or after `t`.
wall_time first_mark(wall_time t) {
    wall_time mark = ceil<minutes>(t);
    while (!is_schedule_mark(minute_of(mark))) mark += minutes{1};
    return mark;
}

std::string planned_runs(const std::vector<task_entry>& tasks, wall_time from, int hours) {
    std::string text;
    std::string day;
    const wall_time end = from + std::chrono::hours{hours};
    for (wall_time t = first_mark(from); t < end; t += minutes{10}) {
        const time_of_day now = minute_of(t);
        for (const task_entry& task : tasks) {
            if (!is_due(now, task.start_time, task.stop_time, task.interval)) continue;
            if (format_date(t) != day) text += (day = format_date(t)) + "\n";
            text += hh_mm(now) + "  " + task_text(task) + "\n";
        }
    }
    return text;
}

}  // namespace

std::string agenda_text(const std::vector<task_entry>& tasks, wall_time from, int hours) {
    std::vector<task_entry> enabled;
    for (const task_entry& task : tasks)
        if (means_yes(task.enabled)) enabled.push_back(task);
    const std::string span =
        hours == 1 ? std::string("the next hour") : "the next " + std::to_string(hours) + " hours";
    const std::string runs = planned_runs(enabled, from, hours);
    std::string text = runs.empty() ? "No planned runs in " + span + ".\n"
                                    : "Planned runs in " + span + ":\n" + runs;
    std::string never;
    for (const task_entry& task : enabled)
        if (const auto reason = never_runs_reason(task.start_time, task.stop_time, task.interval))
            never += task_text(task) + "  (" + *reason + ")\n";
    if (!never.empty()) text += "\nNever runs:\n" + never;
    return text;
}

}  // namespace tw
