#include "scheduler/specific_time_scheduler.hpp"

#include "program.hpp"
#include "scheduler/mark_run.hpp"
#include "scheduler/schedule_steps.hpp"

namespace tw {

specific_time_scheduler::specific_time_scheduler(program& p) : p_(p) {
    t_specific_disconnect_.tick.connect([this] { t_specific_disconnect_Timer(); });
    p_.loop.add_timer(t_specific_disconnect_);
}

specific_time_scheduler::~specific_time_scheduler() {
    p_.loop.remove_timer(t_specific_disconnect_);
}

void specific_time_scheduler::o_user_specific_time_Click() {
    frm_main& m = p_.main;
    if (m.o_user_specific_time.value() != 1) {
        m.b_run_schedule.set_enabled(true);
        p_.controls.t_check_specific_time.stop();
        t_specific_disconnect_.stop();
        return;
    }
    const entry_source source = take_schedule_entry(p_);
    if (source != entry_source::none) p_.log.append_log_line(" Specific connect time turned on");
    if (source == entry_source::chosen) m.o_disconnect_after_last_task.set_value(0);
    if (keep_listed_entry(p_)) switch_on();
}

void specific_time_scheduler::switch_on() {
    p_.main.b_run_schedule.set_enabled(false);
    p_.controls.t_check_specific_time.start(1000);
    t_specific_disconnect_.start(1000);
}

void specific_time_scheduler::t_check_specific_time_Timer() {
    const wall_time started = p_.loop.now();
    p_.ctrl_RAS.refresh();
    if (hh_mm(minute_of(started)) == p_.main.o_specific_connect.text() &&
        connect_minutes_.first_time(started)) {
        p_.tasks.reload_if_changed();
        if (p_.main.o_task_list.list_count() > 0) {
            run_enabled_tasks();
            if (line_is_up(p_)) disconnect_after_pass(p_);
        }
    }
    wait_for_next_minute(p_, started);
}

// Times and intervals play no part here. There is no simulated connection.
void specific_time_scheduler::run_enabled_tasks() {
    mark_run mark(p_, run_trigger::specific);
    for_each_enabled_task(p_, [&](const std::string& app) { mark.run(app); });
}

// A line brought up again within the same minute stays up.
void specific_time_scheduler::t_specific_disconnect_Timer() {
    const wall_time now = p_.loop.now();
    const auto today = std::chrono::floor<std::chrono::days>(now);
    if (hh_mm(minute_of(now)) != p_.main.o_specific_disconnect.text() || hung_up_on_ == today ||
        !p_.ctrl_RAS.is_connected())
        return;
    hung_up_on_ = today;
    p_.force_disconnect = true;
    p_.disconnecting.disconnect(connection_end::daily_hang_up);
}

}  // namespace tw
