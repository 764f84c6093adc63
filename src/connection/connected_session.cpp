#include "connection/connected_session.hpp"

#include "connection/connect_time.hpp"
#include "helpers/ignore_errors.hpp"
#include "program.hpp"
#include "scheduler/schedule_steps.hpp"
#include "scheduler/task_file.hpp"

namespace tw {

connected_session::connected_session(program& p) : p_(p), ledger_(p) {}

bool connected_session::scheduler_off() const {
    return p_.main.b_run_schedule.caption() == schedule_off_caption;
}

void connected_session::begin_session(bool over_a_line) {
    ++sessions_begun_;
    connect_runs_.clear();
    frm_main& m = p_.main;
    m.form.set_state(window_state::minimized);
    p_.log.add_line(" Connected to " + m.o_phonebook_list.text());
    if (over_a_line) p_.log.show_last_line();
    p_.set_status("");
    p_.controls.t_redial.stop();
    m.b_disconnect.set_enabled(true);
    m.b_cancel.set_enabled(false);
    p_.connected_at = p_.loop.clock();
    connection_ = open_connection{m.o_phonebook_list.text(), p_.loop.now_with_offset(),
                                  p_.connected_at, over_a_line};
    // Shown from zero at once: a session that ends before its first tick
    // must not report the previous session's connect time.
    show_connect_time();
    p_.disconnecting.show_countdown_row();
    p_.controls.t_connection_time.start(1000);
}

void connected_session::ctrl_RAS_state_changed() {
    if (p_.ctrl_RAS.connection_state() != ras_connected) return;
    begin_session(true);
    const bool tasks_option = p_.main.o_run_tasks_at_connect.ticked();
    // A session begun while an earlier one's connect tasks still run (the
    // redial after a drop) leaves them, and the hang-up after them, to that
    // run: starting them again would run each program twice at once, and on
    // a line that keeps dropping would nest sessions without end.
    if (!connect_tasks_running_ && (scheduler_off() || tasks_option)) {
        if (tasks_option || p_.controls.t_check_for_work.enabled()) run_connect_tasks();
        if (ends_after_last_task()) end_after_last_task();
    }
    if (p_.start_scheduler_at_connect && scheduler_off()) p_.scheduler.b_run_schedule_Click();
}

// The steps that can fail, the tasks and the hang-up after them, are each
// tried on their own: a failure costs only that step.
void connected_session::simulate_connected() {
    begin_session(false);
    if (connect_tasks_running_ || !scheduler_off() || !p_.run_tasks_at_connect) return;
    ignore_errors([&] { run_connect_tasks(); });
    if (ends_after_last_task()) ignore_errors([&] { end_after_last_task(); });
}

// The task file is read afresh, so a change saved meanwhile counts. A task
// removed from the list while an earlier one runs is not run.
void connected_session::run_connect_tasks() {
    p_.tasks.reload_if_changed();
    connect_tasks_running_ = true;
    const struct done {
        bool& running;
        ~done() { running = false; }
    } done{connect_tasks_running_};
    for_each_enabled_task(p_, [this](std::string app) {
        const std::string params = task_field(p_, task_sections::parameters, app);
        connect_runs_.insert(app);
        p_.launcher.announce_run(app, params);
        p_.launcher.launch_app(app, params, "YES", run_trigger::connect);
        p_.set_status("");
    });
}

// The interval schedule hangs up after its marks instead, and a schedule
// running a mark after the connect-time tasks.
bool connected_session::ends_after_last_task() const {
    return !p_.controls.t_check_for_work.enabled() && !held_for_schedule_ &&
           p_.disconnect_after_last_task;
}

void connected_session::end_after_last_task() {
    p_.force_disconnect = false;
    p_.disconnecting.disconnect(connection_end::after_last_task);
    if (!p_.life.query_switch("/x").empty()) p_.life.shutdown();
}

// The watchdog is not stopped: a dial in progress goes on to its time-out.
void connected_session::ctrl_RAS_state_notice() {
    if (p_.ctrl_RAS.connection_state() != ras_disconnected) return;
    p_.dialing.enable_connect();
    p_.main.o_phonebook_list.set_enabled(true);
}

void connected_session::ctrl_RAS_line_dropped(const std::string& reason) {
    p_.log.append_log_line(" Line dropped: " + reason);
}

void connected_session::t_connection_time_Timer() {
    p_.ctrl_RAS.refresh();
    if (p_.ctrl_RAS.is_connected())
        show_connect_time();
    else
        line_dropped();
}

// While minimized the window's caption is all the user sees of it.
void connected_session::show_connect_time() {
    const std::string text = connect_time_text(p_.loop.clock() - p_.connected_at);
    p_.main.l_connection_time.set_caption(text);
    if (p_.main.form.state() == window_state::minimized) p_.main.form.set_caption(text);
}

void connected_session::end_connection(connection_end how) {
    if (!connection_) return;
    const open_connection& c = *connection_;
    ledger_.record({c.entry, c.started, p_.loop.clock() - c.clock_at, how,
                    c.over_a_line ? p_.ctrl_RAS.bytes_carried() : std::nullopt});
    connection_.reset();
}

void connected_session::line_dropped() {
    frm_main& m = p_.main;
    end_connection(connection_end::line_drop);
    p_.controls.t_connection_time.set_enabled(false);
    m.form.set_caption(message_title);
    p_.log.add_line(" Connection dropped from " + m.o_phonebook_list.text());
    p_.log.add_line(connect_time_prefix + m.l_connection_time.caption());
    p_.log.append_empty_line();
    p_.ctrl_RAS.hang_up();
    p_.disconnecting.show_countdown_row();
    if (p_.reconnect_on_line_drop)
        reconnect();
    else
        p_.dialing.set_idle_controls();
}

// One dial without the watchdog: it connects, or nothing changes until the
// user acts. A dial sequence started during the pause owns the line then; a
// Disconnect during it, or the option unticked, ends the session for good.
void connected_session::reconnect() {
    const unsigned hang_ups = p_.disconnecting.hang_ups();
    p_.loop.pause(redial_pause_seconds);
    if (p_.controls.t_redial.armed() || p_.ctrl_RAS.is_connected()) return;
    if (hang_ups != p_.disconnecting.hang_ups() || !p_.reconnect_on_line_drop)
        return p_.dialing.set_idle_controls();
    p_.log.add_line(" Reconnecting to " + p_.main.o_phonebook_list.text());
    p_.main.o_log.add_item("");  // a separator that leaves the selection where it is
    p_.set_status(p_.dialing.dialing_text());
    p_.ctrl_RAS.dial_entry();
}

}  // namespace tw
