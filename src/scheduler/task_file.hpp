#pragma once

#include <string>

namespace tw {

class program;

// Moves the task list between the task file and the in-memory records.
class task_file {
public:
    explicit task_file(program& p);

    void load_tasks();
    void b_save_task_Click();
    void b_delete_task_Click();
    void b_reload_task_Click();
    void seed_companion_tasks();

private:
    program& p_;
};

}  // namespace tw
