#pragma once

#include <string>

namespace tw {

class program;

// The caption of b_run_schedule while the interval schedule is on.
inline constexpr const char* schedule_on_caption = "Cancel Task Scheduling";

// The two task buttons: the interval schedule's switch, and running the
// task shown in the editor at once.
class scheduler_control {
public:
    explicit scheduler_control(program& p);

    // The caption is the state: a click switches to the other one.
    void b_run_schedule_Click();
    // Needs a line, or a simulated one; waits until the program has ended.
    void b_run_task_now_Click();
    // Enables b_run_schedule, unless the specific-time mode, which excludes
    // the interval schedule, is on.
    void enable_b_run_schedule();

private:
    void switch_off();
    void switch_on();
    void run_now(std::string application, const std::string& parameters);
    // The companions' own settings a task needs before it can run.
    bool companion_ready(const std::string& application, const std::string& parameters);
    void explain_refusal(const std::string& application);

    program& p_;
};

}  // namespace tw
