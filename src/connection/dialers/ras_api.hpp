#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "connection/dialer.hpp"

namespace tw {

// The remote-access functions the RAS dialer calls, as a table of plain
// functions, so the dialer's logic runs with a fake table on every platform
// and with the system's on Windows. Each function returns the system's error
// code, 0 for success. Text is UTF-8; an empty phone book is the system's.
struct ras_api {
    using line = std::uintptr_t;  // a connection handle; 0 is none
    // A dial's progress: each state it reaches, or a non-zero error when it
    // failed. May be called from another thread.
    using progress = std::function<void(int state, unsigned error)>;
    struct connection {
        line handle;
        std::string entry;
    };

    std::function<unsigned(const std::string& phonebook, std::vector<std::string>& entries)>
        enum_entries;
    // Starts dialing and returns at once; `handle` is set even when it fails.
    std::function<unsigned(const std::string& phonebook, const std::string& entry,
                           progress on_progress, line& handle)>
        dial;
    // `line_error` is the error that ended the line, 0 for none.
    std::function<unsigned(line handle, int& state, unsigned& line_error)> connect_status;
    std::function<unsigned(line handle)> hang_up;
    std::function<unsigned(std::vector<connection>& connections)> enum_connections;
    // The system's text for an error code; "" when it has none.
    std::function<std::string(unsigned error)> error_text;
    // The bytes the connection carried so far.
    std::function<unsigned(line handle, line_bytes& bytes)> statistics;
};

}  // namespace tw
