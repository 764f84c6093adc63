#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tw {

class ini_document;
class program;

// A file a setting names, when it can be opened; else `default_name` in the
// program folder, which itself is not checked.
std::string stored_file_or_default(std::string stored, const std::string& program_folder,
                                   const char* default_name);

// Moves every option between the settings file and memory. "READ" loads
// each option into its control (whose handler copies it into the program's
// values) and applies the defaults; "WRITE" stores them. Any other mode
// does nothing; the mode is compared without regard to case.
//
// Another instance in the same folder may store its options meanwhile, so
// WRITE leaves a key alone when this run kept the value it had after READ
// while the file's value changed since. Every other key is written as it
// stands, which with one instance gives the same file as storing them all.
class settings_file {
public:
    explicit settings_file(program& p);

    void settings_pass(const std::string& mode);
    // Writes "Browser" at once, as a browser picked in the file dialog is;
    // throws profile_error when the file cannot be written.
    void store_browser_path();

private:
    // A key WRITE stores, with the value it stores now (nullopt removes it).
    struct stored_key {
        const char* key;
        std::optional<std::string> value;
    };
    // What a key held once READ was done: the value WRITE would have stored
    // then, and the file's own value.
    struct key_after_read {
        std::optional<std::string> value;
        std::string in_file;
    };

    void read_pass();
    void write_pass();
    // Runs one step; an error costs only that step and goes to the error log.
    void guarded(const std::function<void()>& step);

    void log_error(const std::string& description);
    std::vector<stored_key> keys_to_store() const;
    void note_keys_after_read();
    bool changed_elsewhere_only(const ini_document& file, const stored_key& stored) const;

    std::string read(const char* key);
    // The count stored under `key`, or `default_value` when it is missing,
    // empty or not a whole number of at least `least` (logged).
    std::string read_count(const char* key, const char* default_value, double least);
    std::string path_in_program_folder(const char* name) const;

    program& p_;
    bool read_done_ = false;
    std::map<std::string, key_after_read, std::less<>> after_read_;
};

}  // namespace tw
