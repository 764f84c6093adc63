#pragma once

#include <string>

namespace tw {

class program;

// Starts every program the system runs, and waits for it while events go on.
class task_launcher {
public:
    explicit task_launcher(program& p);

    // Trims `application` in place. `wait` "YES" returns after the program ended.
    void launch_app(std::string& application, std::string parameters, const std::string& wait);
    bool check_mail_account();
    void run_scheduled_task(std::string application, const std::string& parameters);

private:
    program& p_;
};

}  // namespace tw
