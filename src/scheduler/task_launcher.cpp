#include "scheduler/task_launcher.hpp"

#include "program.hpp"

namespace tw {

task_launcher::task_launcher(program& p) : p_(p) {}

void task_launcher::launch_app(std::string&, std::string, const std::string&) {}
bool task_launcher::check_mail_account() { return false; }
void task_launcher::run_scheduled_task(std::string, const std::string&) {}

}  // namespace tw
