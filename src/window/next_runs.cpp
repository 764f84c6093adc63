#include "window/next_runs.hpp"

#include <vector>

namespace tw {

namespace {

constexpr int runs_shown = 3;

bool later(time_of_day a, time_of_day b) { return a.hour * 60 + a.minute > b.hour * 60 + b.minute; }

std::string day_prefix(int days_ahead) {
    if (days_ahead == 0) return "";
    if (days_ahead == 1) return "tomorrow ";
    return "in " + std::to_string(days_ahead) + " days ";
}

}  // namespace

std::string next_runs_text(time_of_day now, const task_schedule& task) {
    if (!task.enabled) return "Never runs: the task is not active";
    if (auto reason = never_runs_reason(task.start_time, task.stop_time, task.interval))
        return "Never runs: " + *reason;
    const std::vector<time_of_day> runs =
        daily_runs(task.start_time, task.stop_time, task.interval);
    if (runs.empty()) return "Never runs";
    std::string text = "Next runs: ";
    int shown = 0;
    for (int day = 0; shown < runs_shown; ++day)
        for (const time_of_day run : runs) {
            if (shown == runs_shown) break;
            if (day == 0 && !later(run, now)) continue;
            text += (shown++ ? ", " : "") + day_prefix(day) + hh_mm(run);
        }
    return text;
}

}  // namespace tw
