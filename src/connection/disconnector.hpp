#pragma once

#include <string>

namespace tw {

class program;

// Ends a session: hang-up, log lines, and the disconnect countdown.
class disconnector {
public:
    explicit disconnector(program& p);

    // The caller sets program::force_disconnect first.
    void disconnect();
    void b_disconnect_Click();
    void o_disconnect_in_minutes_Change();
    void t_disconnect_Timer();

private:
    program& p_;
};

}  // namespace tw
