#pragma once

#include <string>

namespace tw {

class program;

// Dials the chosen entry and watches each pass with a time-out and retries.
class dial_controller {
public:
    explicit dial_controller(program& p);

    void connect();
    void t_redial_Timer();
    void b_cancel_Click();
    void set_idle_controls();

private:
    program& p_;
};

}  // namespace tw
