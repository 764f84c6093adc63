#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/processes.hpp"
#include "toolkit/wall_time.hpp"

namespace tw {

class program;

// What made the program start a task.
enum class run_trigger { connect, schedule, specific, now };

// One task start, as the ledger keeps it.
struct ledger_run {
    moment started;
    moment ended;
    double seconds = 0;     // on the monotonic clock
    std::string how_ended;  // "exit 0", "signal 9", "not found", "not started"
    run_trigger trigger = run_trigger::now;
    std::string application;
    std::string parameters;
};

// "exit 3", "signal 15", or "" when it is not known.
std::string how_ended_text(process_end end);

// One CSV record: fields holding a comma, a double quote or a line break are
// quoted, inner quotes doubled; the record ends with CR LF.
std::string csv_record(const std::vector<std::string>& fields);

// What ends a CSV file's last line `last_line` (the bytes after its last line
// feed) that a crash cut off, so a reader sees one bad record and every later
// one whole: a quote left open is closed and the line ended, a bare CR gets
// its LF. "" for a file that ends with a whole line.
std::string torn_record_end(std::string_view last_line);

// Appends `record` to the CSV file `path`, after `header` when the file is
// empty and after torn_record_end when its last line was cut off. Throws
// file_error as append_to_file does.
void append_csv_record(const std::string& path, const std::vector<std::string>& header,
                       const std::string& record);

// Every task the program starts, one line each, in "tasks.csv" of the log
// folder, apart from the session log. A line that cannot be appended is
// reported in "log.txt" and costs nothing else.
class run_ledger {
public:
    explicit run_ledger(program& p);

    void record(const ledger_run& run);

private:
    program& p_;
};

}  // namespace tw
