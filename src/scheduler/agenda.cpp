#include "scheduler/agenda.hpp"

#include <ostream>

#include "helpers/yes_text.hpp"
#include "platform/local_time.hpp"
#include "platform/path_rules.hpp"
#include "scheduler/interval_schedule.hpp"

namespace tw {

namespace {

using namespace std::chrono;

constexpr int marks_per_hour = 6;

std::string task_text(const task_entry& task) {
    return trim(task.application + " " + task.parameters);
}

// The first schedule mark at or after `t`.
wall_time first_mark(wall_time t) {
    wall_time mark = ceil<minutes>(t);
    while (!is_schedule_mark(minute_of(mark))) mark += minutes{1};
    return mark;
}

int mark_of_day(time_of_day t) { return t.hour * marks_per_hour + t.minute / 10; }

// The lines each schedule mark of a day plans, in list order. The schedule
// is the same every day, so one day is worked out for the whole agenda.
class daily_plan {
public:
    explicit daily_plan(const std::vector<const task_entry*>& tasks)
        : due_(std::size_t{24} * marks_per_hour) {
        for (const task_entry* task : tasks) {
            texts_.push_back(task_text(*task));
            for (time_of_day run : daily_runs(task->start_time, task->stop_time, task->interval))
                due_[mark_of_day(run)].push_back(texts_.size() - 1);
        }
    }

    bool has_runs_at(time_of_day mark) const { return !due_[mark_of_day(mark)].empty(); }

    // The lines of `mark`, each "hh:mm  program parameters".
    std::string lines_at(time_of_day mark) const {
        const std::string at = hh_mm(mark) + "  ";
        std::string lines;
        for (std::size_t task : due_[mark_of_day(mark)])
            lines.append(at).append(texts_[task]) += '\n';
        return lines;
    }

private:
    std::vector<std::string> texts_;
    std::vector<std::vector<std::size_t>> due_;  // per mark of the day, into texts_
};

void write_planned_runs(std::ostream& out, const std::vector<const task_entry*>& tasks,
                        wall_time from, int hours, const std::string& span) {
    const daily_plan plan(tasks);
    bool any = false;
    std::string day;
    const wall_time end = from + std::chrono::hours{hours};
    for (wall_time t = first_mark(from); t < end; t += minutes{10}) {
        const time_of_day mark = minute_of(t);
        if (!plan.has_runs_at(mark) || !local_time_exists(t)) continue;
        if (!any) out << "Planned runs in " << span << ":\n";
        any = true;
        if (format_date(t) != day) out << (day = format_date(t)) << "\n";
        out << plan.lines_at(mark);
    }
    if (!any) out << "No planned runs in " << span << ".\n";
}

}  // namespace

void write_agenda(std::ostream& out, const std::vector<task_entry>& tasks, wall_time from,
                  int hours) {
    std::vector<const task_entry*> enabled;
    for (const task_entry& task : tasks)
        if (means_yes(task.enabled)) enabled.push_back(&task);
    const std::string span =
        hours == 1 ? std::string("the next hour") : "the next " + std::to_string(hours) + " hours";
    write_planned_runs(out, enabled, from, hours, span);
    bool heading = false;
    for (const task_entry* task : enabled)
        if (const auto reason =
                never_runs_reason(task->start_time, task->stop_time, task->interval)) {
            if (!heading) out << "\nNever runs:\n";
            heading = true;
            out << task_text(*task) << "  (" << *reason << ")\n";
        }
}

}  // namespace tw
