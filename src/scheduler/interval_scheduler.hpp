#pragma once

#include "scheduler/interval_schedule.hpp"
#include "scheduler/minutes_acted_on.hpp"

namespace tw {

class program;

// While the schedule is on: at each ten-minute mark, runs every enabled task
// due then, dialling first when the line is down, and hands over to the
// disconnect afterwards. Task fields are read afresh from the task file. A
// mark the clock shows twice in a day is acted on once.
class interval_scheduler {
public:
    explicit interval_scheduler(program& p);

    // One pass; it lasts until the minute it began in is over. Ticks during
    // a pass are dropped by the timer, so a pass never overlaps another.
    void t_check_for_work_Timer();

private:
    void run_due_tasks(time_of_day now);
    bool simulated() const;

    program& p_;
    minutes_acted_on marks_;
};

}  // namespace tw
