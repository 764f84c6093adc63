#pragma once

#include <chrono>

#include "scheduler/minutes_acted_on.hpp"
#include "toolkit/timer.hpp"

namespace tw {

class program;

// The specific-time mode: every enabled task runs once at the typed connect
// time ("hh:mm" exactly), and a line still up at the typed disconnect time is
// hung up. The mode excludes the interval schedule.
class specific_time_scheduler {
public:
    explicit specific_time_scheduler(program& p);
    ~specific_time_scheduler();
    specific_time_scheduler(const specific_time_scheduler&) = delete;
    specific_time_scheduler& operator=(const specific_time_scheduler&) = delete;

    void o_user_specific_time_Click();
    // One pass; it lasts until the minute it began in is over.
    void t_check_specific_time_Timer();
    // Hangs up at the disconnect time as the countdown does, once a day.
    void t_specific_disconnect_Timer();

private:
    void run_enabled_tasks();
    void switch_on();

    program& p_;
    // Its own timer: a pass busy with tasks must not keep the hang-up from
    // happening at its minute.
    timer t_specific_disconnect_;
    std::chrono::local_days hung_up_on_{};
    minutes_acted_on connect_minutes_;
};

}  // namespace tw
