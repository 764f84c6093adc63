#pragma once

#include <string>
#include <vector>

#include "toolkit/wall_time.hpp"

namespace tw {

class program;

// One CSV record: fields holding a comma, a double quote or a line break are
// quoted, inner quotes doubled; the record ends with CR LF.
std::string csv_record(const std::vector<std::string>& fields);

// The start, end and seconds fields of something that began at `started` and
// lasted `seconds` on the monotonic clock. The end is the start plus those
// seconds, so a clock set back meanwhile never gives an end before the start.
std::vector<std::string> span_fields(wall_time started, double seconds);

// A CSV file of the log folder, apart from the session log, that gets one row
// per record after a header row. A row goes in whole or not at all; one that
// cannot be appended is reported in "log.txt" and costs nothing else.
class csv_ledger {
public:
    // `name` says in "log.txt" which ledger could not be written.
    csv_ledger(program& p, std::string file_name, std::vector<std::string> header,
               std::string name);

    void append(const std::vector<std::string>& fields);

private:
    program& p_;
    std::string file_name_;
    std::vector<std::string> header_;
    std::string name_;
};

}  // namespace tw
