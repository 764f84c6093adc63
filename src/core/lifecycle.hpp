#pragma once

#include <memory>
#include <string>

#include "platform/instance_lock.hpp"

namespace tw {

class program;

// The process's exit codes besides 0, the orderly end.
inline constexpr int exit_no_remote_access = 1;
inline constexpr int exit_dial_gave_up = 2;     // a /x run that could not connect
inline constexpr int exit_already_running = 3;  // another instance has the program folder
inline constexpr int exit_foreign_folder = 4;   // the program folder is not the user's alone

// The program's start (loading the main window) and its one orderly end.
class lifecycle {
public:
    explicit lifecycle(program& p);

    void start_up();
    // Disconnects as the options say, stores the settings and ends the
    // process through application::end with `exit_code`, so it does not return.
    void shutdown(int exit_code = 0);
    // File > Exit (index 99).
    void menuFileItem_Click(int index);
    // The answer of query_switch for this process's command line; "/s" also
    // selects the named entry.
    std::string query_switch(const std::string& which);

private:
    // Creates the program folder when it is missing and makes it this
    // instance's, or ends the process: exit_foreign_folder for a folder the
    // user does not own alone, exit_already_running when another instance
    // runs on it. Nothing is written into a refused folder.
    void take_program_folder();
    void initialise();
    void select_default_entry();
    // "/s NAME": selects the entry NAME; false, and logged, when the phone
    // book has none of that name.
    bool select_named_entry();
    // Tells on standard error when a /x run will not end by itself.
    void say_when_x_never_ends();

    program& p_;
    bool settings_read_ = false;
    std::unique_ptr<instance_lock> instance_;
};

}  // namespace tw
