#include "window/task_editor.hpp"

#include <chrono>
#include <optional>
#include <utility>

#include "helpers/file_helpers.hpp"
#include "helpers/yes_text.hpp"
#include "program.hpp"
#include "scheduler/companion_files.hpp"
#include "scheduler/task_file.hpp"
#include "window/next_runs.hpp"

namespace tw {

namespace {

constexpr const char* add_dialog_title = "Select An Application";
constexpr const char* add_dialog_filter = "Application (*.exe)|*.exe|All (*.*)|*.*";
constexpr int task_list_tab = 3;

constexpr const char* module_refused_message =
    "This application was not added.  You must supply the 'Customer Profile ID' and select the "
    "data source.  Please try your selection again.";
constexpr const char* mail_account_message =
    "You must enter the email account information before using Postwright to send email.\n\n"
    "Use the menu option Application\\Postwright to update the account information.";
// The task file numbers its tasks task0 to task9999; an add past that would
// be written under a key the next load never reads.
constexpr const char* task_list_full_message =
    "This application was not added.  The task list already holds 10000 tasks, the most the "
    "task file can keep.  Delete a task before you add another.";

bool names_companion(const std::string& application) {
    for (const char* name : {e_mail_companion_file, stock_module_file, web_monitor_file})
        if (application.find(name) != std::string::npos) return true;
    return false;
}

time_of_day time_of(wall_time now) {
    const auto since_midnight = now - std::chrono::floor<std::chrono::days>(now);
    const std::chrono::hh_mm_ss clock(since_midnight);
    return {static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count())};
}

}  // namespace

task_editor::task_editor(program& p) : p_(p) {}

task_editor::schedule_field task_editor::field_of(const combo_box& box) const {
    const frm_main& m = p_.main;
    if (&box == &m.o_task_start_time) return {&task_entry::start_time, task_sections::start_time};
    if (&box == &m.o_task_stop_time) return {&task_entry::stop_time, task_sections::stop_time};
    return {&task_entry::interval, task_sections::interval};
}

// Only a pick stores; typed text gives way to the stored value once the user
// ends typing, so the box never shows what is not stored.
void task_editor::schedule_box_Click(combo_box& box) {
    const schedule_field f = field_of(box);
    store(f.member, f.section, box.text());
}

void task_editor::schedule_box_EditEnded(combo_box& box) {
    const std::string& shown = p_.main.o_application.caption();
    box.set_text(shown.empty() ? "" : read_field(field_of(box).section, shown));
}

void task_editor::follow_shown_task() {
    if (p_.main.o_application.caption().empty()) show_no_task();
    show_next_runs();
}

// Nothing typed into the fields could be stored without a task, so they are
// empty and disabled until one is selected.
void task_editor::show_no_task() {
    frm_main& m = p_.main;
    m.o_parameters.set_text("");
    m.o_parameters.set_back_colour(system_window_colour);
    for (combo_box* box : {&m.o_task_start_time, &m.o_task_stop_time, &m.o_task_interval})
        box->set_text("");
    m.o_task_enabled.set_value(0);
    for (control* field : m.task_fields()) field->set_enabled(false);
}

void task_editor::SSTab1_Click() {
    frm_main& m = p_.main;
    if (m.SSTab1.tab() != task_list_tab) return;
    p_.tasks.load_tasks();
    if (m.o_task_list.list_count() > 0) m.o_task_list.set_list_index(-1);
    m.FlatScrollBar1.set_min(0);
    m.FlatScrollBar1.set_max(m.o_task_list.list_count() - 1);
    follow_shown_task();
}

// The fields come from the task file. Filling them runs their handlers when
// the shown value changes, which stores the value back (an enabled "N" is
// written as "No").
void task_editor::o_task_list_Click() {
    frm_main& m = p_.main;
    const int row = m.o_task_list.list_index();
    // With no row selected the fields keep what they showed.
    if (row < 0) return;
    const std::string application = m.o_task_list.item(row);
    m.FlatScrollBar1.set_value(row);
    m.o_application.set_caption(application);
    for (control* field : m.task_fields()) field->set_enabled(true);
    show_parameters(application);
    m.o_task_start_time.set_text(read_field(task_sections::start_time, application));
    m.o_task_stop_time.set_text(read_field(task_sections::stop_time, application));
    m.o_task_interval.set_text(read_field(task_sections::interval, application));
    show_enabled(application);
    show_next_runs();
}

std::string task_editor::read_field(const char* section, const std::string& application) const {
    return p_.profiles.read(p_.task_file_path, section, application);
}

// Companion parameters are changed through the Applications menu only; the
// box shows them, grey and locked.
void task_editor::show_parameters(const std::string& application) {
    text_box& box = p_.main.o_parameters;
    box.set_text(read_field(task_sections::parameters, application));
    const bool companion = names_companion(application);
    box.set_back_colour(companion ? light_grey : system_window_colour);
    box.set_locked(companion);
}

void task_editor::show_enabled(const std::string& application) {
    const std::string stored = read_field(task_sections::enabled, application);
    p_.main.o_task_enabled.set_value(!stored.empty() && means_yes(stored) ? 1 : 0);
}

void task_editor::o_parameters_Change() {
    if (p_.main.o_application.caption().empty()) return;
    store(&task_entry::parameters, task_sections::parameters, p_.main.o_parameters.text());
}

void task_editor::o_task_enabled_Click() {
    store(&task_entry::enabled, task_sections::enabled,
          p_.main.o_task_enabled.ticked() ? "Yes" : "No");
}

// Every record of the shown program, since tasks naming one program share
// their entries in the task file. Only that entry is written: a keystroke
// must not cost a rewrite of every task of a long list.
void task_editor::store(std::string task_entry::*field, const char* section,
                        const std::string& value) {
    const std::string& shown = p_.main.o_application.caption();
    bool stored = false;
    for (task_entry& task : p_.controls.tasks)
        if (task.application == shown) {
            task.*field = value;
            stored = true;
        }
    if (stored) p_.tasks.save_field(section, shown, value);
    show_next_runs();
}

void task_editor::show_next_runs() {
    const std::string& shown = p_.main.o_application.caption();
    std::string text;
    if (!shown.empty())
        for (const task_entry& task : p_.controls.tasks)
            if (task.application == shown) {
                text = next_runs_text(
                    time_of(p_.loop.now()),
                    {task.start_time, task.stop_time, task.interval, means_yes(task.enabled)});
                break;
            }
    p_.main.o_next_runs.set_caption(std::move(text));
}

// Each arrow click moves the value by one; the selected task takes the row
// the value names and the list is saved in its new order. The records stay
// where they are: they are found by path. A value that names the selected
// row (selecting a task sets it so) moves nothing and has nothing to save.
void task_editor::FlatScrollBar1_Change() {
    list_box& list = p_.main.o_task_list;
    if (list.text().empty()) return;
    const int step = p_.main.FlatScrollBar1.value() - list.list_index();
    if (step == 0) return;
    p_.tasks.reload_if_changed();
    if (list.text().empty()) return;  // the file holds the task no longer
    const int from = list.list_index();
    const int to = from + step;
    if (to < 0 || to >= list.list_count()) return;
    std::string moved = list.item(from);
    list.set_item(from, list.item(to));
    list.set_item(to, std::move(moved));
    list.set_list_index(to);
    p_.tasks.b_save_task_Click();
}

// A cancelled or refused add changes nothing, the task file included. The
// new task is selected, so its fields are there to be filled in.
void task_editor::b_add_task_Click() {
    p_.tasks.reload_if_changed();
    list_box& list = p_.main.o_task_list;
    const int before = list.list_count();
    std::string path;
    add_application(path);
    if (list.list_count() == before) return;
    p_.main.FlatScrollBar1.set_max(list.list_count() - 1);
    p_.tasks.b_save_task_Click();
    list.set_list_index(list.list_count() - 1);
}

void task_editor::add_application(std::string& path) {
    if (task_list_full()) return;
    if (path.empty()) path = pick_program();
    if (path.empty()) return;
    const split_result parts = split_path(path);
    const std::string folder = parts.folder.value_or("");
    // The kind of program is told by its file name alone, in lower case.
    const std::string file_name = parts.folder ? lower(parts.file) : "";
    p_.last_directory = folder;
    p_.dialog_directory = folder;
    const std::optional<std::string> parameters = parameters_for(path, folder, file_name);
    if (!parameters) return;
    p_.main.o_task_list.add_item(path);
    p_.controls.tasks.push_back({path, *parameters, "", "", "", "N"});
    for (const auto& [name, menu] : {std::pair{e_mail_companion_file, e_mail_companion_menu},
                                     {stock_module_file, stock_module_menu},
                                     {web_monitor_file, web_monitor_menu}})
        if (file_name == name) p_.main.menuAppsItem(menu).set_visible(true);
}

bool task_editor::task_list_full() {
    if (p_.main.o_task_list.list_count() < max_tasks) return false;
    p_.ui.message(task_list_full_message, box::information, message_title);
    return true;
}

std::string task_editor::pick_program() {
    return native_paths().stored(p_.ui.open_file(
        {add_dialog_title, add_dialog_filter, p_.dialog_folder(), "", file_names::new_allowed}));
}

std::optional<std::string> task_editor::parameters_for(const std::string& path,
                                                       const std::string& folder,
                                                       const std::string& file_name) {
    if (file_name == stock_module_file || file_name == web_monitor_file) {
        const auto built = module_parameters(file_name);
        if (!built) return std::nullopt;  // the user cancelled the form
        std::string command_line = native_paths().stored_parameters(*built);
        if (!command_line.empty()) return command_line;
        p_.ui.message(module_refused_message, box::information, message_title);
        return std::nullopt;
    }
    if (file_name != e_mail_companion_file) return "";
    set_up_mail_companion(path, folder);
    return e_mail_companion_parameters;
}

std::optional<std::string> task_editor::module_parameters(const std::string& file_name) {
    return p_.modules.settings_command_line(file_name == stock_module_file
                                                ? companion_module::stock_quote
                                                : companion_module::web_page_monitor,
                                            command_line_purpose::adding);
}

// The companion opens its own account setup; the add waits until it closes.
// An incomplete account is told to the user, and the task is added all the same.
void task_editor::set_up_mail_companion(std::string path, const std::string& folder) {
    p_.launcher.launch_app(path, e_mail_companion_setup, "YES");
    p_.mail_account_file_path = folder + mail_account_file;
    if (std::string account = p_.mail_account_file_path;
        file_exists(account) && !p_.launcher.check_mail_account())
        p_.ui.message(mail_account_message, box::information, message_title);
}

}  // namespace tw
