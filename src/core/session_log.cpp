#include "core/session_log.hpp"

#include "helpers/file_helpers.hpp"
#include "platform/file_io.hpp"
#include "platform/path_rules.hpp"
#include "program.hpp"

namespace tw {

namespace {
constexpr const char* log_dialog_filter = "Log (*.log)|*.log|Text (*.txt)|*.txt|All (*.*)|*.*";
}  // namespace

session_log::session_log(program& p) : p_(p) {}

std::string session_log::stamped(const std::string& text) const {
    const wall_time now = p_.loop.now();
    return format_date(now) + " - " + format_time(now) + text;
}

void session_log::add_line(const std::string& text) { p_.main.o_log.add_item(stamped(text)); }

void session_log::show_last_line() { p_.main.o_log.set_list_index(p_.main.o_log.list_count() - 1); }

void session_log::append_log_line(const std::string& text) {
    add_line(text);
    show_last_line();
}

void session_log::append_empty_line() {
    p_.main.o_log.add_item("");
    show_last_line();
}

void session_log::b_clear_log_Click() {
    if (p_.ui.message("Are you sure you want to clear the log?", box::yes_no | box::information,
                      message_title) == box::yes)
        p_.main.o_log.clear();
}

void session_log::b_save_log_Click() {
    if (p_.main.o_log.list_count() > 0) save_log_dialog();
}

void session_log::save_log_dialog() {
    const std::string chosen = native_paths().stored(
        p_.ui.open_file({file_dialog_title, log_dialog_filter, p_.dialog_folder(), "",
                         file_names::new_allowed, file_action::save}));
    if (chosen.empty()) return;
    if (auto folder = split_path(chosen).folder) p_.dialog_directory = *folder;
    // A save that fails must not end the program: tell the user instead.
    try {
        save_log_to_file(chosen);
    } catch (const std::exception& error) {
        p_.ui.message(std::string("The log could not be saved: ") + error.what(), box::exclamation,
                      message_title);
    }
}

void session_log::save_log_to_file(const std::string& path) {
    std::string text;
    for (const std::string& line : p_.main.o_log.items()) text.append(line).append("\r\n");
    replace_file(file_path(path), text);
}

}  // namespace tw
