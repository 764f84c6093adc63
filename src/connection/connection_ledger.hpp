#pragma once

#include <optional>
#include <string>

#include "connection/dialer.hpp"
#include "core/csv_ledger.hpp"
#include "toolkit/wall_time.hpp"

namespace tw {

class program;

// How a connection ended.
enum class connection_end {
    hang_up,          // the Disconnect button
    after_last_task,  // "Disconnect after last task"
    countdown,        // the disconnect countdown ran out
    daily_hang_up,    // the specific disconnect time
    line_drop,
    program_end,
};

// One connection, as the ledger keeps it.
struct ledger_connection {
    std::string entry;
    moment started;
    double seconds = 0;  // connected, on the monotonic clock
    connection_end how_ended = connection_end::hang_up;
    std::optional<line_bytes> bytes;  // none: the fields stay empty
};

// Every connection, one row each, in "connections.csv" of the log folder.
class connection_ledger {
public:
    explicit connection_ledger(program& p);

    void record(const ledger_connection& connection);

private:
    csv_ledger file_;
};

}  // namespace tw
