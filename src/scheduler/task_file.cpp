#include "scheduler/task_file.hpp"

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <unordered_map>

#include "core/error_log.hpp"
#include "helpers/file_helpers.hpp"
#include "helpers/yes_text.hpp"
#include "platform/file_io.hpp"
#include "program.hpp"
#include "scheduler/companion_files.hpp"

namespace tw {

namespace {

// The companions a first run finds beside the program, added as the editor
// adds a program. Only "pw.exe" is the file name of a companion (its setup
// runs, its task gets its parameters and its menu entry); the other two are
// added as ordinary programs.
constexpr std::array<const char*, 3> seeded_files = {"stock_fc.exe", "wpm_fc.exe",
                                                     e_mail_companion_file};

constexpr std::array<const char*, 5> field_sections = {
    task_sections::parameters, task_sections::start_time, task_sections::stop_time,
    task_sections::interval, task_sections::enabled};

bool contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

std::string enabled_flag(const std::string& stored) { return means_yes(stored) ? "Y" : "N"; }

// A path with a line break cannot be a line of the file, nor one with '=' (or a
// leading ';' or '[') a key. Such a write is skipped, so one odd path costs its
// own entries and not the whole save.
bool store(ini_document& file, const char* section, const std::string& key,
           const std::optional<std::string>& value) {
    try {
        file.write(section, key, value);
        return true;
    } catch (const std::invalid_argument&) {
        return false;
    }
}

}  // namespace

std::string task_key(int index) { return "task" + std::to_string(index); }

task_file::task_file(program& p) : p_(p) {}

// A write on top of a change made elsewhere that the list does not show yet
// leaves that change to be noticed.
void task_file::with_file(const std::function<void(ini_document&)>& edit) {
    const bool list_is_current = stamp_of(file_path(p_.task_file_path)) == list_version_;
    try {
        const file_stamp written = p_.profiles.batch(p_.task_file_path, edit);
        if (list_is_current) list_version_ = written;
    } catch (const profile_error&) {
    }
}

void task_file::load_tasks() {
    frm_main& m = p_.main;
    m.o_task_list.clear();
    // The caption first, so that emptying the parameters stores them nowhere.
    m.o_application.set_caption("");
    m.o_parameters.set_text("");
    p_.controls.tasks.clear();
    report_unreadable_file();
    // Taken before the read: a change made meanwhile is noticed again later.
    list_version_ = stamp_of(file_path(p_.task_file_path));
    std::vector<task_entry> loaded = read_task_list(p_.profiles, p_.task_file_path);
    for (const task_entry& task : loaded) {
        m.o_task_list.add_item(task.application);
        show_companion_menus(task.application);
    }
    p_.controls.tasks = std::move(loaded);
    if (m.o_task_list.list_count() == 0) seed_companion_tasks();
}

void task_file::reload_if_changed() {
    if (stamp_of(file_path(p_.task_file_path)) == list_version_) return;
    list_box& list = p_.main.o_task_list;
    const std::string selected = list.text();
    load_tasks();
    p_.main.FlatScrollBar1.set_max(list.list_count() - 1);
    const auto& rows = list.items();
    if (const auto found = std::find(rows.begin(), rows.end(), selected);
        !selected.empty() && found != rows.end())
        list.set_list_index(static_cast<int>(found - rows.begin()));
}

// Such a file reads as an empty list, as a missing one does, so the user is
// told in log.txt, as the settings' failures are.
void task_file::report_unreadable_file() const {
    const std::filesystem::path path = file_path(p_.task_file_path);
    std::error_code unknown;
    if (!std::filesystem::exists(path, unknown) || is_readable_file(path)) return;
    error_log_append(native_paths().join(p_.program_folder, "log.txt"), p_.loop.now(), "task file",
                     "cannot read " + p_.task_file_path +
                         ": a folder, a special file or no permission; the task list is empty");
}

// The whole file is read in one look.
std::vector<task_entry> read_task_list(profile_store& profiles, const std::string& path) {
    namespace s = task_sections;
    std::vector<task_entry> tasks;
    profiles.view(path, [&](const ini_document& file) {
        for (int n = 0; n < max_tasks; ++n) {
            task_entry task;
            task.application = file.read(s::tasks, task_key(n));
            const std::string& key = task.application;
            if (key.empty()) return;
            task.parameters = file.read(s::parameters, key);
            task.start_time = file.read(s::start_time, key);
            task.stop_time = file.read(s::stop_time, key);
            task.interval = file.read(s::interval, key);
            task.enabled = enabled_flag(file.read(s::enabled, key));
            tasks.push_back(std::move(task));
        }
    });
    return tasks;
}

void task_file::show_companion_menus(const std::string& application) {
    const std::string name = lower(application);
    frm_main& m = p_.main;
    if (contains(name, stock_module_file)) m.menuAppsItem(stock_module_menu).set_visible(true);
    if (contains(name, web_monitor_file)) m.menuAppsItem(web_monitor_menu).set_visible(true);
    if (!contains(name, e_mail_companion_file)) return;
    m.menuAppsItem(e_mail_companion_menu).set_visible(true);
    p_.mail_account_file_path = split_path(application).folder.value_or("") + mail_account_file;
    // An account file that is there but incomplete is forgotten, so its task is not run.
    if (std::string account = p_.mail_account_file_path;
        file_exists(account) && !p_.launcher.check_mail_account())
        p_.mail_account_file_path.clear();
}

// Unlike loading, these tests keep the stored path's case: a deleted StockFC.EXE
// task leaves its menu entry shown until the next load.
void task_file::hide_companion_menus(const std::string& application) {
    frm_main& m = p_.main;
    if (contains(application, e_mail_companion_file)) {
        m.menuAppsItem(e_mail_companion_menu).set_visible(false);
        p_.mail_account_file_path.clear();
    }
    if (contains(application, stock_module_file))
        m.menuAppsItem(stock_module_menu).set_visible(false);
    if (contains(application, web_monitor_file))
        m.menuAppsItem(web_monitor_menu).set_visible(false);
}

// An empty list saves nothing, so a file whose list merely starts with an
// empty key keeps the keys its user may still mend.
void task_file::b_save_task_Click() {
    if (p_.main.o_task_list.list_count() == 0) return;
    with_file([this](ini_document& file) { write_list(file); });
}

// The rows renumbered from task0, each with the fields of the first record
// naming its path. The task keys are replaced as a whole, duplicates and keys
// past a gap included, so none of them comes back on the next load. Entries
// of programs no longer listed stay; only a delete removes them.
void task_file::write_list(ini_document& file) const {
    namespace s = task_sections;
    const std::vector<std::string>& rows = p_.main.o_task_list.items();
    file.clear_section(s::tasks);
    std::unordered_map<std::string_view, const task_entry*> first_record;
    for (const task_entry& task : p_.controls.tasks)
        first_record.try_emplace(task.application, &task);
    int count = 0;
    for (const std::string& application : rows) {
        if (!store(file, s::tasks, task_key(count), application)) continue;
        ++count;
        // A row without a record keeps whatever fields the file holds for its path.
        const auto found = first_record.find(application);
        if (found == first_record.end()) continue;
        const task_entry& task = *found->second;
        for (const auto& [section, value] : {std::pair{s::parameters, &task.parameters},
                                             {s::start_time, &task.start_time},
                                             {s::stop_time, &task.stop_time},
                                             {s::interval, &task.interval},
                                             {s::enabled, &task.enabled}})
            store(file, section, application, *value);
    }
}

void task_file::save_field(const char* section, const std::string& application,
                           const std::string& value) {
    with_file([&](ini_document& file) { store(file, section, application, value); });
}

void task_file::b_delete_task_Click() {
    reload_if_changed();
    frm_main& m = p_.main;
    if (const std::string selected = m.o_task_list.text(); !selected.empty()) {
        const int count = m.o_task_list.list_count();
        m.o_task_list.remove_item(m.o_task_list.list_index());
        m.FlatScrollBar1.set_max(m.o_task_list.list_count() - 1);
        std::string removed;
        with_file([&](ini_document& file) {
            removed = remove_task(file, selected, count);
            write_list(file);
        });
        hide_companion_menus(removed);
    }
    m.o_application.set_caption("");
    m.o_parameters.set_text("");
    m.o_parameters.set_back_colour(system_window_colour);
}

// Finds the first of the first `count` task keys naming `selected` and removes
// the entries of its path; returns that path, or "" when none names it. The
// task keys are left to write_list. The path
// must be the same file by this platform's rules: a path that merely contains
// the selected one ("/bin/app2" for "/bin/app") is another program.
std::string task_file::remove_task(ini_document& file, const std::string& selected,
                                   int count) const {
    const std::string wanted = native_paths().stored(selected);
    for (int n = 0; n < count; ++n) {
        std::string application = file.read(task_sections::tasks, task_key(n));
        if (application.empty() || native_paths().stored(application) != wanted) continue;
        for (const char* section : field_sections) store(file, section, application, std::nullopt);
        return application;
    }
    return {};
}

// Reload puts the selected task's path and parameters back into the editor
// from the file. The file's list is read as loading reads it, from task0 up to
// its first empty key; the key at the selected row must name the row's path
// (case aside), else the file no longer holds that task and nothing changes.
void task_file::b_reload_task_Click() {
    namespace s = task_sections;
    const int row = p_.main.o_task_list.list_index();
    if (row < 0) return;
    const std::string shown = p_.main.o_task_list.item(row);
    for (int n = 0; n <= row; ++n) {
        const std::string stored = p_.profiles.read(p_.task_file_path, s::tasks, task_key(n));
        if (stored.empty()) return;
        if (n == row && lower(stored) != lower(shown)) return;
    }
    p_.main.o_application.set_caption(shown);
    if (std::string parameters = p_.profiles.read(p_.task_file_path, s::parameters, shown);
        !parameters.empty())
        p_.main.o_parameters.set_text(std::move(parameters));
}

void task_file::seed_companion_tasks() {
    for (const char* name : seeded_files) {
        std::string path = native_paths().join(p_.program_folder, name);
        if (file_exists(path)) p_.editor.add_application(path);
    }
    b_save_task_Click();
}

}  // namespace tw
