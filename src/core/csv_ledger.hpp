#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "toolkit/wall_time.hpp"

namespace tw {

class program;

// One CSV record: fields holding a comma, a double quote or a line break are
// quoted, inner quotes doubled; the record ends with CR LF.
std::string csv_record(const std::vector<std::string>& fields);

// What ends a CSV file's last line `last_line` (the bytes after its last line
// feed) that a crash cut off, so a reader sees one bad record and every later
// one whole: a quote left open is closed and the line ended, a bare CR gets
// its LF. "" for a file that ends with a whole line.
std::string torn_record_end(std::string_view last_line);

// The start, end and seconds fields of something that began at `started` and
// lasted `seconds` on the monotonic clock, in ISO 8601. The end is the start
// plus those seconds, so a clock set back meanwhile never gives an end before
// the start; it is told with `end_offset`, the clock's offset from UTC at the
// end, which differs from the start's when the clocks changed meanwhile.
std::vector<std::string> span_fields(moment started, double seconds,
                                     std::chrono::minutes end_offset);

// A CSV file of the log folder, apart from the session log, that gets one row
// per record after a header row. A row goes in whole or not at all; one that
// cannot be appended is reported in "log.txt" and costs nothing else.
class csv_ledger {
public:
    // `name` says in "log.txt" which ledger could not be written.
    csv_ledger(program& p, std::string file_name, std::vector<std::string> header,
               std::string name);

    void append(const std::vector<std::string>& fields);
    // span_fields() for something that ends now.
    std::vector<std::string> span_until_now(moment started, double seconds) const;

private:
    program& p_;
    std::string file_name_;
    std::vector<std::string> header_;
    std::string name_;
};

}  // namespace tw
