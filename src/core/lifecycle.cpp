#include "core/lifecycle.hpp"

#include "core/command_line.hpp"
#include "helpers/file_helpers.hpp"
#include "platform/bounded_lock.hpp"
#include "platform/folder_ownership.hpp"
#include "program.hpp"

namespace tw {

namespace {

// The program's own entries in its folder, which must be the user's.
const std::vector<std::string> own_files = {
    "tw.ini",        "task.ini",       "fcd.ini", "log.txt", instance_lock_file, "logs",
    "logs/last.log", "logs/tasks.csv", "outbox",  "ras",     "ras/rasphone.pbk"};

std::string already_running_message(const std::string& folder) {
    return "Tarnwick is already running from the folder '" + folder +
           "'.  This start ends without doing anything; use the Tarnwick that runs, or end it "
           "first.";
}

std::string foreign_folder_message(const refusal& why) {
    return "Tarnwick does not start: '" + why.path + "' " + why.reason +
           ".  Tarnwick keeps its files only where no other user can change them, as they say "
           "which programs it runs.  Make the folder and its files yours alone (chown, chmod "
           "go-w), or start Tarnwick as their owner.";
}

}  // namespace

lifecycle::lifecycle(program& p) : p_(p) {}

void lifecycle::menuFileItem_Click(int index) {
    if (index == 99) shutdown();
}

void lifecycle::start_up() {
    if (!p_.ctrl_RAS.ras_available()) {
        p_.ui.message(
            "RAS Services are not available.  This program will not function without them.",
            box::critical, "RAS Dialer");
        p_.app.end(exit_no_remote_access);
    }
    // Before the hang-up: a line left up may be another instance's.
    take_program_folder();
    if (p_.ctrl_RAS.is_connected()) p_.ctrl_RAS.hang_up();
    switch (p_.system.platform_number()) {
        case 0:
            p_.os_platform = "win32s";
            break;
        case 1:
            p_.os_platform = "win95";
            break;
        case 2:
            p_.os_platform = "winnt";
            break;
        default:
            p_.os_platform.clear();
    }
    p_.app.set_mouse_pointer(application::hourglass);
    p_.loop.do_events();
    initialise();
    p_.window.center_form(p_.main.form);
    const bool named_entry_listed = select_named_entry();
    // Nothing a /x run was asked to do can be done without its entry.
    if (!named_entry_listed && !query_switch("/x").empty()) shutdown(exit_dial_gave_up);
    // An entry asked for and not found switches nothing on.
    if (query_switch("/a") == "auto" && named_entry_listed) p_.scheduler.b_run_schedule_Click();
    say_when_x_never_ends();
    if (!query_switch("/d").empty() && named_entry_listed) p_.dialing.connect();
    p_.main.SSTab1.set_tab(0);
    p_.app.set_mouse_pointer(application::default_pointer);
}

void lifecycle::take_program_folder() {
    p_.program_folder = p_.system.program_folder();
    if (const auto why = foreign_files(p_.program_folder, own_files)) {
        p_.ui.message(foreign_folder_message(*why), box::critical, message_title);
        p_.app.end(exit_foreign_folder);
    }
    make_private_directory(p_.program_folder);
    instance_ = take_instance_lock(p_.program_folder, lock_patience);
    if (!instance_) {
        p_.ui.message(already_running_message(p_.program_folder), box::information, message_title);
        p_.app.end(exit_already_running);
    }
}

void lifecycle::initialise() {
    frm_main& m = p_.main;
    p_.system_dir = p_.system.system_directory();
    p_.settings_file_path = native_paths().join(p_.program_folder, "tw.ini");
    p_.companion_settings_file_path = native_paths().join(p_.program_folder, "fcd.ini");
    if (std::string path = p_.settings_file_path; !file_exists(path))
        p_.settings.settings_pass("WRITE");
    p_.settings.settings_pass("READ");
    settings_read_ = true;
    m.form.set_caption(message_title);
    // Every file dialog names its own initial folder, so none is kept here.
    p_.phonebook.hand_over_phonebook();
    p_.phonebook.fill_entry_list();
    p_.tasks.load_tasks();
    m.FlatScrollBar1.set_max(m.o_task_list.list_count() - 1);
    p_.window.fill_choice_lists();
    select_default_entry();
    make_directory(native_paths().join(p_.program_folder, "outbox"));
    m.o_task_interval.add_item("Daily");
    m.o_log.clear();
}

void lifecycle::select_default_entry() {
    p_.phonebook.select_entry(p_.main.l_default_isp.caption());
}

// A name the phone book lacks leaves the selection as it was, the default
// entry; dialling that instead of the entry asked for would be wrong.
bool lifecycle::select_named_entry() {
    if (!query_switch("/s").empty()) return true;
    const auto named = name_after_s(p_.app.command_line());
    if (!named) return true;
    p_.log.append_log_line(" Phone Book Entry Not Found: " + *named);
    return false;
}

// A /x run ends after the hang-up that follows the connect-time tasks, which
// comes only with the schedule off and "Disconnect after last task" ticked.
// The rule stays; a script or timer that started the run learns it at once.
void lifecycle::say_when_x_never_ends() {
    if (query_switch("/x").empty()) return;
    if (p_.controls.t_check_for_work.enabled())
        p_.boxes.tell(
            "tarnwick: /x: this run will not end by itself, as the interval schedule is on (/a): "
            "it hangs up after each mark and goes on.");
    else if (query_switch("/d").empty())
        p_.boxes.tell(
            "tarnwick: /x: this run will not end by itself, as neither /d nor /a is given: "
            "nothing dials until Connect is clicked.");
    else if (!p_.disconnect_after_last_task)
        p_.boxes.tell(
            "tarnwick: /x: this run will not end by itself, as \"Disconnect after last task\" is "
            "off: no hang-up follows the tasks.");
}

std::string lifecycle::query_switch(const std::string& which) {
    combo_box& list = p_.main.o_phonebook_list;
    const switch_answer result = tw::query_switch(which, p_.app.command_line(), list.items());
    if (result.entry_index >= 0) list.set_list_index(result.entry_index);
    return result.answer;
}

void lifecycle::shutdown(int exit_code) {
    p_.force_disconnect = false;
    p_.disconnecting.disconnect(connection_end::program_end);
    // Past the disconnect nothing may keep the process from ending. Settings
    // not read yet (a termination signal early in the start-up) are not
    // stored: they would replace the user's with empty values. A line left
    // up gets its ledger row here.
    try {
        p_.ctrl_RAS.finish_hang_up();
    } catch (...) {
    }
    try {
        p_.session.end_connection(connection_end::program_end);
    } catch (...) {
    }
    try {
        p_.launcher.record_running_at_exit();
    } catch (...) {
    }
    try {
        if (settings_read_) p_.settings.settings_pass("WRITE");
    } catch (...) {
    }
    p_.app.end(exit_code);
}

}  // namespace tw
