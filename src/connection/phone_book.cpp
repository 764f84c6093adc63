#include "connection/phone_book.hpp"

#include "core/file_refusal.hpp"
#include "helpers/file_helpers.hpp"
#include "platform/file_io.hpp"
#include "platform/phonebook_editor.hpp"
#include "program.hpp"
#include "scheduler/run_ledger.hpp"

namespace tw {

namespace {

constexpr const char* phonebook_dialog_filter = "Phonebook (*.pbk)|*.pbk";
constexpr const char* update_elsewhere_message =
    "To add or update your phone book entries, select 'My Computer\\Dial-Up Networking'.";
// An editor that fails sooner than this after its start was never seen.
constexpr double editor_failure_seconds = 5;

}  // namespace

std::string default_phonebook(const std::string& system_dir) {
    return native_paths().join(native_paths().join(system_dir, "ras"), "rasphone.pbk");
}

phone_book::phone_book(program& p) : p_(p) {}

// A phone book too large to read lists no entries; the user is told why.
void phone_book::fill_entry_list() {
    if (const auto book = file_path(p_.phonebook_path);
        !p_.phonebook_path.empty() && stamp_of(book).size > max_file_bytes)
        report_too_large_file(p_, file_too_large(book));
    combo_box& list = p_.main.o_phonebook_list;
    const std::string shown = list.text();
    list.clear();
    for (int i = 0; i < p_.ctrl_RAS.entry_count(); ++i) list.add_item(p_.ctrl_RAS.entry_name_at(i));
    if (!select_entry(shown)) o_phonebook_list_Click();
}

void phone_book::choose_phonebook() {
    const file_request request{file_dialog_title, phonebook_dialog_filter,
                               native_paths().join(p_.system_dir, "ras"), ""};
    std::string chosen = native_paths().stored(p_.ui.open_file(request));
    p_.phonebook_path = file_exists(chosen) ? chosen : "";
    if (p_.phonebook_path.empty()) return;
    hand_over_phonebook();
    fill_entry_list();
}

void phone_book::hand_over_phonebook() {
    if (p_.os_platform == "winnt" && p_.ctrl_RAS.uses_phonebook_file() &&
        !p_.phonebook_path.empty())
        p_.ctrl_RAS.set_phonebook(p_.phonebook_path);
}

bool phone_book::select_entry(const std::string& name) {
    combo_box& list = p_.main.o_phonebook_list;
    for (int i = list.list_count() - 1; i >= 0; --i)
        if (!name.empty() && list.item(i) == name) {
            list.set_list_index(i);
            return true;
        }
    return false;
}

void phone_book::o_phonebook_list_Click() { p_.dialing.enable_connect(); }

void phone_book::b_set_default_IPS_Click() {
    p_.default_isp = p_.main.o_phonebook_list.text();
    p_.main.l_default_isp.set_caption(p_.default_isp);
}

void phone_book::b_update_phonebook_Click() {
    if (p_.os_platform != "winnt") {
        p_.ui.message(update_elsewhere_message, box::information, message_title);
        return;
    }
    edit_phonebook();
    hand_over_phonebook();
    p_.ctrl_RAS.refresh();
    fill_entry_list();
}

// Opens the dialer's own editor when it has one, else the chosen phone book in
// the platform's editor, and waits until it is closed. With none chosen the
// system's phone book is edited; once it exists it becomes the chosen one, as
// the settings take it when nothing else is stored.
void phone_book::edit_phonebook() {
    if (std::string own = p_.ctrl_RAS.entries_editor(); !own.empty()) {
        run_editor(own, "");
        return;
    }
    std::string file =
        p_.phonebook_path.empty() ? default_phonebook(p_.system_dir) : p_.phonebook_path;
    const editor_command editor = phonebook_editor(file);
    run_editor(editor.program, editor.parameters);
    if (p_.phonebook_path.empty() && file_exists(file)) p_.phonebook_path = file;
}

// An editor that does not start, or fails at once (no editor for the file,
// no display), shows nothing; the user is told so. A missing one is already
// reported by the launcher.
void phone_book::run_editor(std::string program, const std::string& parameters) {
    const std::string command = parameters.empty() ? program : program + " " + parameters;
    const double started_at = p_.loop.clock();
    const launch_result run = p_.launcher.launch_app(program, parameters, "YES");
    const bool succeeded = run.end.how == process_end::kind::exited && run.end.value == 0;
    if (run.how == launch_result::kind::not_started)
        p_.ui.message("The phone book editor could not be started: " + command, box::information,
                      message_title);
    else if (run.how == launch_result::kind::started && !succeeded &&
             p_.loop.clock() - started_at < editor_failure_seconds)
        p_.ui.message("The phone book editor ended at once (" + how_ended_text(run.end) +
                          "), so the phone book was not shown: " + command,
                      box::information, message_title);
}

}  // namespace tw
