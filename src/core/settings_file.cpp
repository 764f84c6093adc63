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
constexpr int never_written = -1;

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
    std::string value = read(key);
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

// Every setting of the file, in the order READ takes them, with the place
// WRITE gives each (which orders the keys of a new file).
std::vector<settings_file::setting> settings_file::settings() const {
    frm_main& m = p_.main;
    program& p = p_;
    using k = setting_kind;
    // clang-format off
    return {
        {"Specific Connect Time", k::text, 6,
         {.box = &m.o_specific_connect, .value = &p.specific_connect_time}},
        {"Specific Disconnect Time", k::text, 7,
         {.box = &m.o_specific_disconnect, .value = &p.specific_disconnect_time}},
        {companion_settings::outbox, k::outbox, never_written,
         {.default_value = path_in_program_folder("outbox")}},
        {"Timeout", k::count, 8,
         {.box = &m.o_timeout, .value = &p.timeout_text, .default_value = default_timeout,
          .least = 1}},
        {"Retry Count", k::count, 9,
         {.box = &m.o_retry_count, .value = &p.retry_count_text, .default_value = "3"}},
        {"Save Logs", k::flag, 10,
         {.tick = &m.o_save_logs, .flag = &p.save_logs}},
        {"Run Tasks At Connect", k::flag, 11,
         {.tick = &m.o_run_tasks_at_connect, .flag = &p.run_tasks_at_connect}},
        {"Reconnect After Line Drop", k::flag, 12,
         {.tick = &m.o_line_drop, .flag = &p.reconnect_on_line_drop}},
        {"Simulated Connection", k::flag_while_shown, 13,
         {.tick = &m.o_simulated_connection, .flag = &p.simulate_connection}},
        {"Start Scheduler At Connect", k::flag, 14,
         {.tick = &m.o_start_scheduler_at_connect, .flag = &p.start_scheduler_at_connect}},
        {"Disconnect After Last Task", k::flag, 15,
         {.tick = &m.o_disconnect_after_last_task, .flag = &p.disconnect_after_last_task}},
        {"Default ISP", k::text, 5,
         {.caption = &m.l_default_isp, .value = &p.default_isp}},
        {"Help File", k::file, 0,
         {.value = &p.help_file_path, .default_value = p.system.help_page()}},
        {"Task Ini File", k::file, 4,
         {.value = &p.task_file_path, .default_value = path_in_program_folder("task.ini")}},
        {"Log Directory", k::folder, never_written,
         {.value = &p.log_directory, .default_value = path_in_program_folder("logs")}},
        {"Last Directory", k::text, 3,
         {.value = &p.last_directory, .default_value = p.program_folder}},
        {"RAS Phonebook", k::file_or_nothing, 2,
         {.value = &p.phonebook_path, .default_value = default_phonebook(p.system_dir)}},
        {browser_key, k::file_or_nothing, 1,
         {.value = &p.browser_path}},
    };
    // clang-format on
}

// Each setting on its own: a failing one costs only itself.
void settings_file::read_pass() {
    for (const setting& s : settings()) guarded([&] { load(s); });
    read_done_ = true;
    note_keys_after_read();
}

void settings_file::load(const setting& s) {
    const setting_place& at = s.place;
    switch (s.kind) {
        case setting_kind::text: {
            const std::string stored = read(s.key);
            const std::string value = stored.empty() ? at.default_value : stored;
            if (at.box) return at.box->set_text(value);  // its handler takes the value
            *at.value = value;
            if (at.caption) at.caption->set_caption(value);
            return;
        }
        case setting_kind::count:
            *at.value = read_count(s.key, at.default_value.c_str(), at.least);
            return at.box->set_text(*at.value);
        case setting_kind::flag:
        case setting_kind::flag_while_shown:
            return at.tick->set_value(means_yes(read(s.key)) ? 1 : 0);
        case setting_kind::file: {
            std::string stored = read(s.key);
            *at.value = file_exists(stored) ? stored : at.default_value;
            return;
        }
        case setting_kind::file_or_nothing: {
            const std::string stored = read(s.key);
            *at.value = stored.empty() ? at.default_value : stored;
            if (!file_exists(*at.value)) at.value->clear();
            return;
        }
        case setting_kind::folder: {
            const std::string stored = read(s.key);
            *at.value = stored.empty() ? at.default_value : stored;
            return make_private_directory(*at.value);
        }
        case setting_kind::outbox: {
            namespace keys = companion_settings;
            if (!p_.profiles.read(p_.companion_settings_file_path, keys::current, s.key).empty())
                return;
            make_directory(at.default_value);
            p_.profiles.write(p_.companion_settings_file_path, keys::current, s.key,
                              at.default_value);
            return;
        }
    }
}

// In WRITE's order. Before the first READ no text value has been set, so
// their keys are removed instead of written: a new file then holds only the
// Yes/No keys.
std::vector<settings_file::stored_key> settings_file::keys_to_store() const {
    std::vector<setting> table = settings();
    std::erase_if(table, [](const setting& s) { return s.write_rank == never_written; });
    std::ranges::sort(table, {}, &setting::write_rank);
    std::vector<stored_key> keys;
    for (const setting& s : table) {
        const setting_place& at = s.place;
        switch (s.kind) {
            case setting_kind::flag:
                keys.push_back({s.key, yes_no(*at.flag)});
                break;
            // Only a visible box may change the key; the window never shows
            // it, so the key is left as the user typed it into the file.
            case setting_kind::flag_while_shown:
                if (at.tick->visible())
                    keys.push_back(
                        {s.key, *at.flag ? std::optional<std::string>("Yes") : std::nullopt});
                break;
            default:
                keys.push_back(
                    {s.key, read_done_ ? std::optional<std::string>(*at.value) : std::nullopt});
        }
    }
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
