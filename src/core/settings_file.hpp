#pragma once

#include <functional>
#include <string>

namespace tw {

class program;

// A file a setting names, when it can be opened; else `default_name` in the
// program folder, which itself is not checked.
std::string stored_file_or_default(std::string stored, const std::string& program_folder,
                                   const char* default_name);

// Moves every option between the settings file and memory. "READ" loads
// each option into its control (whose handler copies it into the program's
// values) and applies the defaults; "WRITE" stores them all. Any other mode
// does nothing; the mode is compared without regard to case.
class settings_file {
public:
    explicit settings_file(program& p);

    void settings_pass(const std::string& mode);
    // Writes "Browser" at once, as a browser picked in the file dialog is;
    // throws profile_error when the file cannot be written.
    void store_browser_path();

private:
    void read_pass();
    void write_pass();
    // Runs one step; an error costs only that step and goes to the error log.
    void guarded(const std::function<void()>& step);

    void log_error(const std::string& description);

    std::string read(const char* key);
    // The count stored under `key`, or `default_value` when it is missing,
    // empty or not a whole number of at least `least` (logged).
    std::string read_count(const char* key, const char* default_value, double least);
    std::string path_in_program_folder(const char* name) const;

    program& p_;
    bool read_done_ = false;
};

}  // namespace tw
