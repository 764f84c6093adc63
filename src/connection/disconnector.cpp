#include "connection/disconnector.hpp"

#include <initializer_list>

#include "connection/connect_time.hpp"
#include "helpers/number_text.hpp"
#include "program.hpp"

namespace tw {

namespace {
constexpr double seconds_per_minute = 60;
}

disconnector::disconnector(program& p) : p_(p) {}

void disconnector::disconnect(connection_end why) {
    if (p_.force_disconnect || p_.main.o_disconnect_after_last_task.ticked()) hang_up(why);
    show_countdown_row();
    p_.scheduler.enable_b_run_schedule();
}

// A line left up by a disconnect that did not hang up can still be counted
// down; a line that is gone cannot.
void disconnector::show_countdown_row() {
    frm_main& m = p_.main;
    const bool line_up = p_.ctrl_RAS.is_connected();
    for (control* row : std::initializer_list<control*>{
             &m.l_disconnect1, &m.o_disconnect_in_minutes, &m.l_disconnect2})
        row->set_visible(line_up);
}

bool disconnector::session_running() const {
    return p_.controls.t_connection_time.enabled() || p_.ctrl_RAS.is_connected();
}

// Only a session still running is reported: one that dropped, or that an
// earlier hang-up ended, has had its end logged already, and a shutdown with
// nothing connected ended none. Whoever hung up, the controls are idle after.
void disconnector::hang_up(connection_end why) {
    frm_main& m = p_.main;
    const bool report = session_running();
    ++hang_ups_;
    p_.session.end_connection(why);
    p_.ctrl_RAS.hang_up();
    p_.controls.t_disconnect.stop();
    p_.controls.t_connection_time.stop();
    // The task bar must not go on showing a connect time.
    m.form.set_caption(message_title);
    p_.dialing.set_idle_controls();
    p_.set_status("Disconnected");
    if (!report) return;
    p_.log.add_line(connect_time_prefix + m.l_connection_time.caption());
    p_.log.add_line(" Disconnected from " + m.o_phonebook_list.text());
    p_.log.append_empty_line();
}

void disconnector::b_disconnect_Click() {
    p_.force_disconnect = true;
    disconnect(connection_end::hang_up);
}

// Emptying the box here runs this handler again, which stops the timer once
// more and ends.
void disconnector::o_disconnect_in_minutes_Change() {
    text_box& minutes = p_.main.o_disconnect_in_minutes;
    timer& countdown = p_.controls.t_disconnect;
    if (minutes.text().empty()) {
        countdown.stop();
        return;
    }
    if (number_value(minutes.text()) <= 0) {
        countdown.stop();
        minutes.set_text("");
        return;
    }
    p_.countdown_tick_at = p_.loop.clock();
    p_.loop.do_events();
    countdown.start(1000);
}

void disconnector::t_disconnect_Timer() {
    text_box& minutes = p_.main.o_disconnect_in_minutes;
    const double now = p_.loop.clock();
    p_.loop.do_events();
    const double left = number_value(minutes.text());
    if (left <= 0) return;
    if (now - p_.countdown_tick_at <= seconds_per_minute) {
        if (now < p_.countdown_tick_at) p_.countdown_tick_at = now;
        return;
    }
    minutes.set_text(number_text(left - 1));  // its Change starts the next minute or stops
    p_.countdown_tick_at = now;
    if (!minutes.text().empty()) {
        p_.main.l_disconnect2.set_caption(number_value(minutes.text()) == 1 ? "minute" : "minutes");
        return;
    }
    p_.force_disconnect = true;
    disconnect(connection_end::countdown);
}

}  // namespace tw
