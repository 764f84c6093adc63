#pragma once

#include <optional>
#include <string>

#include "scheduler/task_entry.hpp"

namespace tw {

class combo_box;
class program;

// The "Task List" tab: showing a task from the task file, storing each field
// at once into every record of the shown program and saving, adding
// programs, and the order arrows.
class task_editor {
public:
    explicit task_editor(program& p);

    void SSTab1_Click();
    void o_task_list_Click();
    void o_parameters_Change();
    void o_task_enabled_Click();
    void FlatScrollBar1_Change();
    void b_add_task_Click();
    // Start Time, Stop Time and Interval: a pick stores, the end of typing
    // puts the stored value back.
    void schedule_box_Click(combo_box& box);
    void schedule_box_EditEnded(combo_box& box);
    // After Delete and Reload: shows the task still selected, or none.
    void follow_shown_task();
    // Adds one program as a task; with an empty `path` the user picks it, and
    // the pick is written back into `path`.
    void add_application(std::string& path);

    // The command line a stock quote or web page monitor module (by its file
    // name) is added with; "" refuses the add, none cancels it. It comes from
    // the module's settings form, shown modally and centred.
    std::optional<std::string> module_parameters(const std::string& file_name);

private:
    // The record field and task-file section a schedule box stores.
    struct schedule_field {
        std::string task_entry::*member;
        const char* section;
    };
    schedule_field field_of(const combo_box& box) const;
    void store(std::string task_entry::*field, const char* section, const std::string& value);
    std::string read_field(const char* section, const std::string& application) const;
    void show_parameters(const std::string& application);
    void show_enabled(const std::string& application);
    void show_next_runs();
    // Empties and disables the fields when no task is shown any more.
    void show_no_task();
    std::string pick_program();
    bool task_list_full();
    // The parameters a program is added with, "" for an ordinary one; none
    // when the add is refused.
    std::optional<std::string> parameters_for(const std::string& path, const std::string& folder,
                                              const std::string& file_name);
    void set_up_mail_companion(std::string path, const std::string& folder);

    program& p_;
};

}  // namespace tw
