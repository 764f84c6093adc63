#pragma once

#include <string>

namespace tw {

class program;

// The program's start (loading the main window) and its one orderly end.
class lifecycle {
public:
    explicit lifecycle(program& p);

    void start_up();
    // Disconnects as the options say, stores the settings and ends the
    // process through application::end, so it does not return.
    void shutdown();
    // The answer of query_switch for this process's command line; "/s" also
    // selects the named entry.
    std::string query_switch(const std::string& which);

private:
    void initialise();
    void select_default_entry();

    program& p_;
};

}  // namespace tw
