#pragma once

#include <string>

namespace tw {

class program;

// The running record of what the program did: the list box o_log, one
// stamped line per event, saved to files on request and at the end.
class session_log {
public:
    explicit session_log(program& p);

    // Adds "mm-dd-yyyy - hh:mm:ss" + text and brings the newest line into view.
    void append_log_line(const std::string& text);
    // Adds an unstamped empty line, the separator between connections.
    void append_empty_line();
    // Adds without moving the selection, for callers that add several lines.
    void add_line(const std::string& text);
    void show_last_line();

    void b_clear_log_Click();
    void b_save_log_Click();
    void save_log_dialog();
    // Replaces the file with every line, CR LF ended; throws file_error when
    // it cannot be written, leaving the file as it was.
    void save_log_to_file(const std::string& path);

private:
    std::string stamped(const std::string& text) const;

    program& p_;
};

}  // namespace tw
