#pragma once

#include <string>

namespace tw {

class program;

// A connection from its start to its drop: connect time, connect tasks, line watch.
class connected_session {
public:
    explicit connected_session(program& p);

    void ctrl_RAS_state_changed();
    void ctrl_RAS_state_notice();
    void simulate_connected();
    void run_connect_tasks();
    void t_connection_time_Timer();

private:
    program& p_;
};

}  // namespace tw
