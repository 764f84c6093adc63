#include "scheduler/task_file.hpp"

#include "program.hpp"

namespace tw {

task_file::task_file(program& p) : p_(p) {}

void task_file::load_tasks() {}
void task_file::b_save_task_Click() {}
void task_file::b_delete_task_Click() {}
void task_file::b_reload_task_Click() {}
void task_file::seed_companion_tasks() {}

}  // namespace tw
