#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tw {

class check_box;
class ini_document;
class label;
class program;
class text_box;

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
    // How a setting moves between the file and the program.
    enum class setting_kind {
        text,              // as stored, or the default when empty
        count,             // a whole number of at least `least`, else the default (logged)
        flag,              // on when the value holds a y; written Yes or No
        flag_while_shown,  // read as a flag; written only while its box is shown, Yes or removed
        file,              // a file that can be opened, else the default
        file_or_nothing,   // as stored or the default, "" when that cannot be opened
        folder,            // as stored or the default, created; never written
        outbox,            // the companion file's outbox folder, made when it names none
    };
    // Where a setting lives in the program: its program-wide value, or the
    // control that shows it, whose handler then keeps the value.
    struct setting_place {
        text_box* box = nullptr;
        label* caption = nullptr;
        check_box* tick = nullptr;
        std::string* value = nullptr;
        bool* flag = nullptr;
        std::string default_value{};
        double least = 0;  // count
    };
    struct setting {
        const char* key;
        setting_kind kind;
        int write_rank;  // its place in WRITE's order
        setting_place place;
    };
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

    std::vector<setting> settings() const;
    void read_pass();
    void load(const setting& s);
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
