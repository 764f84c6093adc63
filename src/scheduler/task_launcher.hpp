#pragma once

#include <string>

namespace tw {

class program;
class process;

// Starts every program the system runs, and waits for it while events go on.
class task_launcher {
public:
    explicit task_launcher(program& p);

    // Trims `application` in place. `wait` "YES" returns after the program ended.
    void launch_app(std::string& application, std::string parameters, const std::string& wait);
    // Lets events and timers run until `started` has ended.
    void wait_for_app(process& started);
    // True when the e-mail companion's account file holds every key it needs.
    bool check_mail_account();
    // Shows on the status bar and logs that a task is being run.
    void announce_run(const std::string& application, const std::string& parameters);
    // One due task of a schedule, once the line is up.
    void run_scheduled_task(std::string application, const std::string& parameters);

private:
    void start(const std::string& application, const std::string& parameters,
               const std::string& wait);

    program& p_;
};

}  // namespace tw
