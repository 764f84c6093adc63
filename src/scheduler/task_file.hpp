#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/file_io.hpp"
#include "scheduler/task_entry.hpp"

namespace tw {

class program;
class ini_document;
class profile_store;

// The task file's layout. "Tasks" numbers the list: task0, task1, ... without
// gaps, each an application path. Every other section holds one field of each
// task, keyed by that path, so two tasks naming one program share their fields.
namespace task_sections {
inline constexpr const char* tasks = "Tasks";
inline constexpr const char* parameters = "Parameters";
inline constexpr const char* start_time = "Start Time";
inline constexpr const char* stop_time = "Stop Time";
inline constexpr const char* interval = "Interval";
inline constexpr const char* enabled = "Enabled";
}  // namespace task_sections

// The list ends at task9999.
inline constexpr int max_tasks = 10000;
// "task" + index, the key of a task's path under "Tasks".
std::string task_key(int index);

// The tasks of the task file at `path`, in list order: the list up to its
// first empty task key, each task's enabled field as "Y" or "N". A missing or
// unreadable file is an empty list.
std::vector<task_entry> read_task_list(profile_store& profiles, const std::string& path);

// Moves the task list between the task file and the in-memory records: the
// rows of o_task_list and, for each path, the first record naming it.
// Every save and delete is one write of the file.
class task_file {
public:
    explicit task_file(program& p);

    void load_tasks();
    // Loads the list again when the task file changed on disk since the list
    // was read or written here (an editor added a task), with the selected
    // task selected again, so that a pass runs and a change of the list
    // applies to the file as it is now, not to an older list.
    void reload_if_changed();
    void b_save_task_Click();
    void b_delete_task_Click();
    void b_reload_task_Click();
    void seed_companion_tasks();
    // Saves one field of every task naming `application`: the list and the
    // other tasks are on disk already, as each change to them was saved when
    // it was made, so the file ends as a whole save would leave it.
    void save_field(const char* section, const std::string& application, const std::string& value);

private:
    // Runs `edit` on the task file and writes the file once if it changed.
    // Failures change nothing and are not reported: an unreadable file reads
    // as an empty list, a failed write leaves the file as it was.
    void with_file(const std::function<void(ini_document&)>& edit);
    // Logs a task file that is there but cannot be read.
    void report_unreadable_file() const;
    void write_list(ini_document& file) const;
    std::string remove_task(ini_document& file, const std::string& selected, int count) const;
    void show_companion_menus(const std::string& application);
    void hide_companion_menus(const std::string& application);

    program& p_;
    file_stamp list_version_;  // of the file the list shows
};

}  // namespace tw
