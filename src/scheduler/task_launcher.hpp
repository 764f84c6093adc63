#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/processes.hpp"
#include "scheduler/run_ledger.hpp"

namespace tw {

class program;
class process;

// How long a task asked to end at its time limit has before it is ended.
inline constexpr double end_request_grace_seconds = 10;

// What became of a program launch_app was given: it was not there, it could
// not be started, or it started; then, when it was waited for, how it ended.
struct launch_result {
    enum class kind { not_found, not_started, started };
    kind how = kind::not_found;
    process_end end;
};

// Starts every program the system runs, and waits for it while events go on.
class task_launcher {
public:
    explicit task_launcher(program& p);

    // Trims `application` in place. `wait` "YES" returns after the program ended.
    // A task run names its trigger and gets a line in the run ledger; the
    // program's own tools (the phone-book editor, a companion's set-up) do not.
    launch_result launch_app(std::string& application, const std::string& parameters,
                             const std::string& wait,
                             std::optional<run_trigger> trigger = std::nullopt);
    // Lets events and timers run until `started` has ended. A time limit
    // above 0 asks it to end once that many seconds have passed, calling
    // `at_limit` then, and ends it end_request_grace_seconds later; true when
    // the limit was reached.
    bool wait_for_app(process& started, double time_limit_seconds = 0,
                      const std::function<void()>& at_limit = {});
    // True when the e-mail companion's account file holds every key it needs.
    bool check_mail_account();
    // Shows on the status bar and logs that a task is being run.
    void announce_run(const std::string& application, const std::string& parameters);
    // One due task of a schedule, once the line is up.
    void run_scheduled_task(std::string application, const std::string& parameters,
                            run_trigger trigger);
    // The ledger row of a task that was not started, tried `at`, ended `how_ended`.
    void record_not_run(const std::string& application, const std::string& parameters,
                        run_trigger trigger, const char* how_ended, moment at);
    // Writes the ledger row of each task still being waited for, ended
    // "running at exit", as the program ends; the tasks themselves run on.
    void record_running_at_exit();

private:
    struct run_in_progress {
        moment started;
        double clock_at;  // on the monotonic clock
        run_trigger trigger;
        std::string application;
        std::string parameters;
    };

    // The setting "Task Time Limit" in seconds; 0 for none.
    double time_limit_seconds();
    // True when the task reached its time limit.
    bool wait_listed(process& started, const run_in_progress* run);
    // Timed on the monotonic clock.
    ledger_run ledger_row(const run_in_progress& run, std::string how_ended) const;
    launch_result start(const std::string& application, const std::string& parameters,
                        const std::string& wait, std::optional<run_trigger> trigger);
    // Logs a program that is not there, and gives a task its ledger row,
    // started and ended at the attempt.
    void not_found(const std::string& application, const std::string& parameters,
                   std::optional<run_trigger> trigger, moment attempted);

    program& p_;
    std::vector<const run_in_progress*> running_;  // being waited for, outermost first
};

}  // namespace tw
