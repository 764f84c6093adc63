#pragma once

#include <string>
#include <vector>

#include "scheduler/task_entry.hpp"

namespace tw::testing {

// The text of a task file holding `tasks` in list order.
inline std::string task_file_text(const std::vector<task_entry>& tasks) {
    const std::pair<const char*, std::string task_entry::*> sections[] = {
        {"Tasks", &task_entry::application},     {"Parameters", &task_entry::parameters},
        {"Start Time", &task_entry::start_time}, {"Stop Time", &task_entry::stop_time},
        {"Interval", &task_entry::interval},     {"Enabled", &task_entry::enabled}};
    std::string text;
    for (const auto& [section, field] : sections) {
        text += std::string("[") + section + "]\r\n";
        for (std::size_t i = 0; i < tasks.size(); ++i)
            text += (field == &task_entry::application ? "task" + std::to_string(i)
                                                       : tasks[i].application) +
                    "=" + tasks[i].*field + "\r\n";
    }
    return text;
}

}  // namespace tw::testing
