#pragma once

#include <string>

#include "connection/connection_ledger.hpp"

namespace tw {

class program;

// Ends a session: hang-up, log lines, and the disconnect countdown.
class disconnector {
public:
    explicit disconnector(program& p);

    // The caller sets program::force_disconnect first: forced (the user, the
    // countdown) always hangs up; otherwise only with "Disconnect after last
    // task" ticked. A hang-up leaves the idle controls.
    // `why` goes to the ledger when the call ends the connection.
    void disconnect(connection_end why);
    void b_disconnect_Click();
    // Starts, restarts or stops the countdown as the typed minutes say.
    void o_disconnect_in_minutes_Change();
    // Counts a minute down once more than 60 seconds of it are over.
    void t_disconnect_Timer();
    // Shows the "Disconnect in" row exactly while a line is up.
    void show_countdown_row();
    // How many hang-ups disconnect() has made, so a wait can tell that the
    // line was given up meanwhile.
    unsigned hang_ups() const { return hang_ups_; }

private:
    void hang_up(connection_end why);
    bool session_running() const;

    program& p_;
    unsigned hang_ups_ = 0;
};

}  // namespace tw
