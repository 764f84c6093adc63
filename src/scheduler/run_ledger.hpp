#pragma once

#include <string>

#include "core/csv_ledger.hpp"
#include "platform/processes.hpp"
#include "toolkit/wall_time.hpp"

namespace tw {

class program;

// What made the program start a task.
enum class run_trigger { connect, schedule, specific, now };

// One task start, as the ledger keeps it.
struct ledger_run {
    moment started;
    double seconds = 0;     // on the monotonic clock
    std::string how_ended;  // "exit 0", "signal 9", "not found", "not started"
    run_trigger trigger = run_trigger::now;
    std::string application;
    std::string parameters;
};

// "exit 3", "signal 15", or "" when it is not known.
std::string how_ended_text(process_end end);

// Every task the program starts, one row each, in "tasks.csv" of the log folder.
class run_ledger {
public:
    explicit run_ledger(program& p);

    void record(const ledger_run& run);

private:
    csv_ledger file_;
};

}  // namespace tw
