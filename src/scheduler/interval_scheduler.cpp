#include "scheduler/interval_scheduler.hpp"

#include "program.hpp"
#include "scheduler/schedule_steps.hpp"

namespace tw {

interval_scheduler::interval_scheduler(program& p) : p_(p) {}

bool interval_scheduler::simulated() const { return p_.main.o_simulated_connection.ticked(); }

void interval_scheduler::t_check_for_work_Timer() {
    const wall_time started = p_.loop.now();
    p_.ctrl_RAS.refresh();
    const time_of_day now = minute_of(started);
    if (is_schedule_mark(now) && p_.main.o_task_list.list_count() > 0) {
        run_due_tasks(now);
        // Also when nothing was due: a line left up is hung up at each mark.
        if (simulated() || line_is_up(p_)) disconnect_after_pass(p_);
    }
    wait_for_next_minute(p_, started);
}

// Each due task runs once per mark: one that the dial of this pass already
// ran at connect time is not run again. A dial the user cancelled leaves the
// rest of the mark's tasks to the next.
void interval_scheduler::run_due_tasks(time_of_day now) {
    namespace s = task_sections;
    const auto sessions_before = p_.session.sessions_begun();
    bool cancelled = false;
    for_each_enabled_task(p_, [&](const std::string& app) {
        if (cancelled ||
            !is_due(now, task_field(p_, s::start_time, app), task_field(p_, s::stop_time, app),
                    task_field(p_, s::interval, app)))
            return;
        if (simulated())
            p_.session.simulate_connected();
        else
            cancelled = !bring_line_up(p_);
        if (!simulated() && !line_is_up(p_)) return;
        if (p_.session.ran_at_connect_since(sessions_before, app)) return;
        p_.launcher.run_scheduled_task(app, task_field(p_, s::parameters, app),
                                       run_trigger::schedule);
    });
}

}  // namespace tw
