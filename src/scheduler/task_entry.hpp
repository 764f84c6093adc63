#pragma once

#include <string>

namespace tw {

// One scheduled task. Every field is text as stored in the task file; the
// application path is the task's identity and the key of the other fields.
struct task_entry {
    std::string application;
    std::string parameters;
    std::string start_time;  // "hh:mm" or ""
    std::string stop_time;   // "hh:mm" or ""
    std::string interval;    // "10 minutes" ... "12 hours", "Daily", or ""
    std::string enabled;     // enabled when it holds a 'y' in either case

    bool operator==(const task_entry&) const = default;
};

}  // namespace tw
