#include "scheduler/interval_scheduler.hpp"

#include "program.hpp"
#include "scheduler/mark_run.hpp"
#include "scheduler/schedule_steps.hpp"

namespace tw {

interval_scheduler::interval_scheduler(program& p) : p_(p) {}

bool interval_scheduler::simulated() const { return p_.main.o_simulated_connection.ticked(); }

void interval_scheduler::t_check_for_work_Timer() {
    const wall_time started = p_.loop.now();
    p_.ctrl_RAS.refresh();
    const time_of_day now = minute_of(started);
    if (is_schedule_mark(now) && marks_.first_time(started)) {
        p_.tasks.reload_if_changed();
        if (p_.main.o_task_list.list_count() > 0) {
            run_due_tasks(now);
            // Also when nothing was due: a line left up is hung up at each mark.
            if (simulated() || line_is_up(p_)) disconnect_after_pass(p_);
        }
    }
    wait_for_next_minute(p_, started);
}

void interval_scheduler::run_due_tasks(time_of_day now) {
    namespace s = task_sections;
    mark_run mark(p_, run_trigger::schedule, simulated());
    for_each_enabled_task(p_, [&](const std::string& app) {
        if (is_due(now, task_field(p_, s::start_time, app), task_field(p_, s::stop_time, app),
                   task_field(p_, s::interval, app)))
            mark.run(app);
    });
}

}  // namespace tw
