#pragma once

#include <array>
#include <vector>

#include "scheduler/task_entry.hpp"
#include "toolkit/timer.hpp"

namespace tw {

// The invisible form that holds the program's machinery: its timers and the
// in-memory task records. (The dialer, dialogs and system facts are services
// owned by the program.)
struct frm_controls {
    timer t_redial;               // dial watchdog
    timer t_connection_time;      // connect-time display and line watch
    timer t_disconnect;           // disconnect countdown
    timer t_check_for_work;       // interval schedule
    timer t_check_specific_time;  // specific-time schedule

    // Record j is the task of entry j of the hidden task lists; entries stay
    // after a delete until the next load.
    std::vector<task_entry> tasks;

    std::array<timer*, 5> timers() {
        return {&t_redial, &t_connection_time, &t_disconnect, &t_check_for_work,
                &t_check_specific_time};
    }
};

}  // namespace tw
