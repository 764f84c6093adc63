#pragma once

#include <string>

namespace tw {

class program;

// Ends a session: hang-up, log lines, and the disconnect countdown.
class disconnector {
public:
    explicit disconnector(program& p);

    // The caller sets program::force_disconnect first: forced (the user, the
    // countdown) always hangs up; otherwise only with "Disconnect after last
    // task" ticked. Either way the countdown controls are hidden.
    void disconnect();
    void b_disconnect_Click();
    // Starts, restarts or stops the countdown as the typed minutes say.
    void o_disconnect_in_minutes_Change();
    // Counts a minute down once more than 60 seconds of it are over.
    void t_disconnect_Timer();

private:
    void hang_up();
    bool session_running() const;

    program& p_;
};

}  // namespace tw
