#include "core/settings_file.hpp"

#include "companions/companion_settings.hpp"
#include "core/error_log.hpp"
#include "helpers/file_helpers.hpp"
#include "helpers/number_text.hpp"
#include "helpers/yes_text.hpp"
#include "program.hpp"

namespace tw {

namespace {

constexpr const char* section = "Current";
constexpr const char* browser_key = "Browser";

const char* yes_no(bool flag) { return flag ? "Yes" : "No"; }

}  // namespace

std::string stored_file_or_default(std::string stored, const std::string& program_folder,
                                   const char* default_name) {
    return !stored.empty() && file_exists(stored)
               ? stored
               : native_paths().join(program_folder, default_name);
}

settings_file::settings_file(program& p) : p_(p) {}

void settings_file::settings_pass(const std::string& mode) {
    const std::string m = lower(mode);
    if (m == "read") read_pass();
    if (m == "write") write_pass();
}

void settings_file::guarded(const std::function<void()>& step) {
    try {
        step();
    } catch (const std::exception& error) {
        log_error(error.what());
    }
}

void settings_file::log_error(const std::string& description) {
    error_log_append(native_paths().join(p_.program_folder, "log.txt"), p_.loop.now(),
                     "mod1:errorreadwriteini", description);
}

// A hand-edited count that is not a whole number of at least `least` would
// make every dial fail at once, or show a negative count: the default
// serves instead, and the error log says why.
std::string settings_file::read_count(const char* key, const char* default_value, double least) {
    const std::string value = read(key);
    if (value.empty()) return default_value;
    if (digits_only(value) && number_value(value) >= least) return value;
    log_error(std::string(key) + ": \"" + value + "\" is not a whole number" +
              (least > 0 ? " above 0" : "") + "; " + default_value + " is used instead");
    return default_value;
}

// The key now holds this run's value, so a later WRITE treats it as read.
void settings_file::store_browser_path() {
    p_.profiles.write(p_.settings_file_path, section, browser_key, p_.browser_path);
    if (read_done_) after_read_[browser_key] = {p_.browser_path, read(browser_key)};
}

std::string settings_file::read(const char* key) {
    return p_.profiles.read(p_.settings_file_path, section, key);
}

std::string settings_file::path_in_program_folder(const char* name) const {
    return native_paths().join(p_.program_folder, name);
}

void settings_file::read_pass() {
    frm_main& m = p_.main;
    // Each key on its own: a failing key costs only that key.
    guarded([&] { m.o_specific_connect.set_text(read("Specific Connect Time")); });
    guarded([&] { m.o_specific_disconnect.set_text(read("Specific Disconnect Time")); });
    guarded([&] {
        namespace keys = companion_settings;
        if (!p_.profiles.read(p_.companion_settings_file_path, keys::current, keys::outbox).empty())
            return;
        const std::string outbox = path_in_program_folder("outbox");
        make_directory(outbox);
        p_.profiles.write(p_.companion_settings_file_path, keys::current, keys::outbox, outbox);
    });
    guarded([&] {
        p_.timeout_text = read_count("Timeout", default_timeout, 1);
        m.o_timeout.set_text(p_.timeout_text);
    });
    guarded([&] {
        p_.retry_count_text = read_count("Retry Count", "3", 0);
        m.o_retry_count.set_text(p_.retry_count_text);
    });
    {
        const std::pair<const char*, check_box*> flags[] = {
            {"Save Logs", &m.o_save_logs},
            {"Run Tasks At Connect", &m.o_run_tasks_at_connect},
            {"Reconnect After Line Drop", &m.o_line_drop},
            {"Simulated Connection", &m.o_simulated_connection},
            {"Start Scheduler At Connect", &m.o_start_scheduler_at_connect},
            {"Disconnect After Last Task", &m.o_disconnect_after_last_task}};
        for (const auto& flag : flags)
            guarded([&] { flag.second->set_value(means_yes(read(flag.first)) ? 1 : 0); });
    }
    guarded([&] {
        p_.default_isp = read("Default ISP");
        m.l_default_isp.set_caption(p_.default_isp);
    });
    guarded([&] {
        std::string stored = read("Help File");
        p_.help_file_path = file_exists(stored) ? stored : p_.system.help_page();
    });
    guarded([&] {
        p_.task_file_path =
            stored_file_or_default(read("Task Ini File"), p_.program_folder, "task.ini");
    });
    guarded([&] {
        const std::string folder = read("Log Directory");
        p_.log_directory = folder.empty() ? path_in_program_folder("logs") : folder;
        make_directory(p_.log_directory);
    });
    guarded([&] {
        const std::string folder = read("Last Directory");
        p_.last_directory = folder.empty() ? p_.program_folder : folder;
    });
    guarded([&] {
        const std::string phonebook = read("RAS Phonebook");
        p_.phonebook_path = phonebook.empty() ? default_phonebook(p_.system_dir) : phonebook;
        if (!file_exists(p_.phonebook_path)) p_.phonebook_path.clear();
    });
    guarded([&] {
        p_.browser_path = read(browser_key);
        if (!file_exists(p_.browser_path)) p_.browser_path.clear();
    });
    read_done_ = true;
    note_keys_after_read();
}

// Before the first READ no text value has been set, so their keys are
// removed instead of written: a new file then holds only the Yes/No keys.
std::vector<settings_file::stored_key> settings_file::keys_to_store() const {
    const auto text = [&](const std::string& value) {
        return read_done_ ? std::optional<std::string>(value) : std::nullopt;
    };
    std::vector<stored_key> keys = {
        {"Help File", text(p_.help_file_path)},
        {browser_key, text(p_.browser_path)},
        {"RAS Phonebook", text(p_.phonebook_path)},
        {"Last Directory", text(p_.last_directory)},
        {"Task Ini File", text(p_.task_file_path)},
        {"Default ISP", text(p_.default_isp)},
        {"Specific Connect Time", text(p_.specific_connect_time)},
        {"Specific Disconnect Time", text(p_.specific_disconnect_time)},
        {"Timeout", text(p_.timeout_text)},
        {"Retry Count", text(p_.retry_count_text)},
        {"Save Logs", yes_no(p_.save_logs)},
        {"Run Tasks At Connect", yes_no(p_.run_tasks_at_connect)},
        {"Reconnect After Line Drop", yes_no(p_.reconnect_on_line_drop)}};
    // Only a visible box may change the key; the window never shows it, so
    // the key is left as the user typed it into the file.
    if (p_.main.o_simulated_connection.visible())
        keys.push_back({"Simulated Connection",
                        p_.simulate_connection ? std::optional<std::string>("Yes") : std::nullopt});
    keys.push_back({"Start Scheduler At Connect", yes_no(p_.start_scheduler_at_connect)});
    keys.push_back({"Disconnect After Last Task", yes_no(p_.disconnect_after_last_task)});
    return keys;
}

void settings_file::note_keys_after_read() {
    p_.profiles.view(p_.settings_file_path, [&](const ini_document& file) {
        for (const stored_key& stored : keys_to_store())
            after_read_[stored.key] = {stored.value, file.read(section, stored.key)};
    });
}

// True when another writer changed the key since READ and this run did not.
bool settings_file::changed_elsewhere_only(const ini_document& file,
                                           const stored_key& stored) const {
    const auto found = after_read_.find(stored.key);
    return found != after_read_.end() && found->second.value == stored.value &&
           file.read(section, stored.key) != found->second.in_file;
}

// The keys go to the file as it is now, in one write. A value the file
// cannot hold (a line break) costs only its own key.
void settings_file::write_pass() {
    guarded([&] {
        p_.profiles.batch(p_.settings_file_path, [&](ini_document& file) {
            const auto put = [&](const char* key, const std::optional<std::string>& value) {
                guarded([&] { file.write(section, key, value); });
            };
            put("Directory", std::nullopt);
            for (const stored_key& stored : keys_to_store())
                if (!changed_elsewhere_only(file, stored)) put(stored.key, stored.value);
        });
    });
    if (p_.save_logs)
        guarded(
            [&] { p_.log.save_log_to_file(native_paths().join(p_.log_directory, "last.log")); });
}

}  // namespace tw
