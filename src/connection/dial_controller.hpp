#pragma once

#include <string>

namespace tw {

class program;

// The wait between hanging up a pass and dialing again, also before a
// reconnect after a line drop; events go on during it.
inline constexpr double redial_pause_seconds = 6;

// Dials the chosen entry and watches each pass with a time-out and retries.
class dial_controller {
public:
    explicit dial_controller(program& p);

    // Starts a dial sequence (or a simulated session) and returns without
    // waiting; redial_count is 0 until the watchdog's first tick.
    void connect();
    // The watchdog: ends each pass after the time-out, redials or gives up.
    void t_redial_Timer();
    // The dialer's word of why a dial failed: one more log line; the pass
    // runs on to its time-out all the same.
    void ctrl_RAS_dial_failed(const std::string& reason);
    // Ends the whole dial sequence: hangs up and stops the watchdog.
    void b_cancel_Click();
    // The connection controls as they are with no dial; while a line is
    // still up, those of a connection.
    void set_idle_controls();
    // Enables Connect when an entry is chosen, disables it otherwise.
    void enable_connect();

    // "Dialing ENTRY (pass #N)" for the entry shown and redial_count.
    std::string dialing_text() const;

private:
    // The steps of connect() that give the dialer the phone-book file;
    // false when the user has none.
    bool hand_over_phonebook();
    void show_dialing();
    double timeout_seconds() const;
    void dial_next_pass();
    void give_up();

    program& p_;
    // Counts the sequences, so a pass paused between its dials can tell a
    // new sequence started meanwhile.
    unsigned sequence_ = 0;
};

}  // namespace tw
