#include "connection/dial_controller.hpp"

#include "helpers/ignore_errors.hpp"
#include "helpers/number_text.hpp"
#include "program.hpp"

namespace tw {

namespace {
constexpr const char* no_phonebook_message =
    "You must select the phonebook file.  It contains information necessary to connect to the "
    "server.";
constexpr const char* simulating_message = "You are simulating a connection.";
constexpr const char* retries_used_up = "The maximum retry count has been reached.";
}  // namespace

dial_controller::dial_controller(program& p) : p_(p) {}

// Every step is tried even when the dialer fails one: the watchdog, started
// first, then still ends the sequence and releases a waiting scheduler.
void dial_controller::connect() {
    frm_main& m = p_.main;
    dialer& ras = p_.ctrl_RAS;
    ++sequence_;
    p_.controls.t_redial.start(1);
    p_.redial_count = 0;
    p_.dial_started_at = p_.loop.clock();
    p_.set_status("");
    ignore_errors([&] { ras.set_entry_name(m.o_phonebook_list.text()); });
    ignore_errors([&] { ras.load_entry(); });
    if (p_.os_platform == "winnt" && ras.uses_phonebook_file() && !hand_over_phonebook()) return;
    m.b_connect.set_enabled(false);
    m.o_phonebook_list.set_enabled(false);
    m.b_update_phonebook.set_enabled(false);
    m.b_cancel.set_enabled(true);
    p_.loop.do_events();  // the watchdog's first tick usually runs here
    // A timer may tick later than asked; the dial's line must still come
    // first, even for a link that is up within milliseconds.
    if (p_.redial_count == 0) t_redial_Timer();
    if (!m.o_simulated_connection.ticked()) {
        // The line may still be busy with an earlier sequence's pass or a
        // reconnect (the line-down notice of a redial enables Connect): one
        // line cannot carry two dials.
        ignore_errors([&] {
            if (ras.connection_state() != ras_disconnected) ras.hang_up();
        });
        ignore_errors([&] { ras.dial_entry(); });
    } else {
        ignore_errors([&] { p_.ui.message(simulating_message, box::information, message_title); });
        p_.session.simulate_connected();
    }
    p_.app.set_mouse_pointer(application::default_pointer);
}

// Without a file the sequence is left to the watchdog, which runs its passes
// and gives up, so a scheduler waiting for the line is released.
bool dial_controller::hand_over_phonebook() {
    ignore_errors([&] {
        if (p_.phonebook_path.empty()) p_.phonebook.choose_phonebook();
    });
    if (p_.phonebook_path.empty()) {
        ignore_errors(
            [&] { p_.ui.message(no_phonebook_message, box::information, message_title); });
        return false;
    }
    ignore_errors([&] { p_.ctrl_RAS.set_phonebook(p_.phonebook_path); });
    ignore_errors([&] { p_.ctrl_RAS.load_entry(); });
    return true;
}

std::string dial_controller::dialing_text() const {
    return "Dialing " + p_.main.o_phonebook_list.text() + " (pass #" +
           std::to_string(p_.redial_count) + ")";
}

void dial_controller::show_dialing() {
    p_.log.append_log_line(" " + dialing_text());
    p_.set_status(dialing_text());
}

// A box cleared to be retyped, or holding 0, would end every pass at once:
// the default serves, as for such a value in the settings file.
double dial_controller::timeout_seconds() const {
    const double typed = number_value(p_.main.o_timeout.text());
    return typed >= 1 ? typed : number_value(default_timeout);
}

// The boxes are read at every tick, so a change made while dialing counts
// at once. A pass runs out only when strictly more than the time-out is over.
void dial_controller::t_redial_Timer() {
    if (p_.redial_count == 0) {
        p_.redial_count = 1;
        show_dialing();
    }
    if (p_.loop.clock() - p_.dial_started_at <= timeout_seconds()) return;
    ++p_.redial_count;
    if (number_value(p_.main.o_retry_count.text()) >= p_.redial_count)
        dial_next_pass();
    else
        give_up();
}

void dial_controller::ctrl_RAS_dial_failed(const std::string& reason) {
    p_.log.append_log_line(" Dial failed: " + reason);
}

void dial_controller::dial_next_pass() {
    show_dialing();
    p_.ctrl_RAS.hang_up();
    const unsigned sequence = sequence_;
    p_.loop.pause(redial_pause_seconds);
    // A Cancel, a new Connect or a session start during the pause ended this
    // sequence; its next pass must not dial.
    if (sequence != sequence_ || !p_.controls.t_redial.enabled()) return;
    p_.dial_started_at = p_.loop.clock();
    p_.ctrl_RAS.dial_entry();
}

// The entry list is left alone: the dialer's notice that the line is down
// enables it again.
void dial_controller::give_up() {
    frm_main& m = p_.main;
    p_.set_status(retries_used_up);
    p_.log.append_log_line(std::string(" ") + retries_used_up);
    p_.ctrl_RAS.hang_up();
    enable_connect();
    m.b_disconnect.set_enabled(false);
    m.b_cancel.set_enabled(false);
    m.b_update_phonebook.set_enabled(true);
    p_.controls.t_redial.stop();
    // An unattended schedule must not be held up by a box nobody closes.
    if (!p_.controls.t_check_for_work.enabled())
        p_.ui.message("You have tried " + m.o_retry_count.text() +
                          " number of times to connect to '" + m.o_phonebook_list.text() +
                          "'.  Please try again.",
                      box::information, message_title);
    // Nobody waits for a /x run that cannot connect: it ends, and its caller
    // (cron, a timer unit, a script) sees the failure in the exit code.
    if (!p_.controls.t_check_for_work.enabled() && !p_.life.query_switch("/x").empty())
        p_.life.shutdown(exit_dial_gave_up);
}

// The whole sequence ends: a user who cancels wants no later pass to dial
// by itself. Stopping the watchdog releases a scheduler waiting for the line.
void dial_controller::b_cancel_Click() {
    frm_main& m = p_.main;
    p_.controls.t_redial.stop();
    p_.ctrl_RAS.hang_up();
    m.o_phonebook_list.set_enabled(true);
    enable_connect();
    m.b_update_phonebook.set_enabled(true);
    m.b_cancel.set_enabled(false);
    p_.scheduler.enable_b_run_schedule();
    p_.log.append_log_line(" Dial cancelled");
    p_.set_status("");
}

// A line still up keeps the controls that end it: Connect would dial over it.
void dial_controller::set_idle_controls() {
    frm_main& m = p_.main;
    const bool idle = !p_.ctrl_RAS.is_connected();
    if (idle)
        enable_connect();
    else
        m.b_connect.set_enabled(false);
    m.b_disconnect.set_enabled(!idle);
    m.o_phonebook_list.set_enabled(idle);
    m.b_update_phonebook.set_enabled(idle);
    p_.scheduler.enable_b_run_schedule();
    p_.set_status("");
}

// Connect with no entry would dial nothing through every pass.
void dial_controller::enable_connect() {
    p_.main.b_connect.set_enabled(!p_.main.o_phonebook_list.text().empty());
}

}  // namespace tw
