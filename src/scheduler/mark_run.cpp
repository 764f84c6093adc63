#include "scheduler/mark_run.hpp"

#include <utility>

#include "helpers/number_text.hpp"
#include "program.hpp"
#include "scheduler/schedule_steps.hpp"

namespace tw {

namespace {
// How long a wait for the line may block before it looks again; the dialer's
// events and the watchdog's ticks wake it sooner.
constexpr double line_check_seconds = 1;
}  // namespace

mark_run::mark_run(program& p, run_trigger trigger, bool simulated)
    : p_(p),
      trigger_(trigger),
      simulated_(simulated),
      sessions_before_(p.session.sessions_begun()),
      held_before_(p.session.held_for_schedule()) {
    p_.session.hold_for_schedule(true);
}

mark_run::~mark_run() { p_.session.hold_for_schedule(held_before_); }

// The connection a dial of this mark made may have run the task at connect
// time, and dropped since.
void mark_run::run(const std::string& application) {
    const bool line = line_ready();
    if (p_.session.ran_at_connect_since(sessions_before_, application)) return;
    const std::string parameters = task_field(p_, task_sections::parameters, application);
    if (line)
        p_.launcher.run_scheduled_task(application, parameters, trigger_);
    else
        p_.launcher.record_not_run(application, parameters, trigger_, "no line",
                                   p_.loop.now_with_offset());
}

// A mark dials at most once, and opens at most one simulated session.
bool mark_run::line_ready() {
    if (simulated_) {
        if (!std::exchange(dialled_, true)) p_.session.simulate_connected();
        return true;
    }
    if (!p_.ctrl_RAS.is_connected() && !std::exchange(dialled_, true)) dial_and_wait();
    return line_is_up(p_);
}

// The wait ends when the line is up or the dial is over: its passes used up
// (redial_count past the retry count), or its watchdog stopped without a line
// (one that came up and dropped at once, or a Cancel).
void mark_run::dial_and_wait() {
    p_.dialing.connect();
    while (!line_is_up(p_) && p_.redial_count <= number_value(p_.main.o_retry_count.text()) &&
           p_.controls.t_redial.enabled())
        p_.loop.wait(line_check_seconds);
}

}  // namespace tw
