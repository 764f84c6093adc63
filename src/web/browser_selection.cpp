#include "web/browser_selection.hpp"

#include <exception>

#include "helpers/file_helpers.hpp"
#include "program.hpp"
#include "web/registry_string.hpp"

namespace tw {

namespace {

constexpr const char* unsupported_browser_text =
    "Currently, the only supported browsers are the Netscape Navigator and Microsoft Internet "
    "Explorer.";

}  // namespace

browser_selection::browser_selection(program& p) : p_(p) {}

void browser_selection::o_browser_LostFocus() { check_file_box(p_.apps.o_browser); }
void browser_selection::choice_Command1_Click() { choose(netscape_path); }
void browser_selection::choice_Command2_Click() { choose(iexplore_path); }
void browser_selection::choice_Command3_Click() { p_.browser_choice.form.set_visible(false); }

void browser_selection::show_apps_window() {
    Form_Load();
    p_.window.center_form(p_.apps.form);
    p_.ui.show_modal(p_.apps.form);
}

bool browser_selection::ask_for_browser(const char* why) {
    if (p_.browser_path.empty()) {
        p_.ui.message(why, box::exclamation, message_title);
        show_apps_window();
    }
    return !p_.browser_path.empty();
}

void browser_selection::Form_Load() {
    frm_apps& apps = p_.apps;
    apps.form.set_caption(message_title);
    apps.o_browser.set_text(p_.browser_path);
    apps.form.set_size(apps.form.width(), apps_height);
}

void browser_selection::find_browsers() {
    const auto look_up = [this](const char* key_name, std::string& found) {
        std::string path = read_registry_string(p_.system_registry, reg::local_machine,
                                                std::string(app_paths_key) + key_name, "");
        if (!path.empty() && file_exists(path)) found = native_paths().stored(path);
    };
    look_up(netscape_key_name, netscape_path);
    look_up(iexplore_key_name, iexplore_path);
}

void browser_selection::Command1_Click() {
    find_browsers();
    if (netscape_path.empty()) {
        if (!iexplore_path.empty())
            p_.browser_path = iexplore_path;
        else
            choose_browser_file();
    } else if (iexplore_path.empty()) {
        p_.browser_path = netscape_path;
    } else {
        p_.window.center_form(p_.browser_choice.form);
        p_.ui.show_modal(p_.browser_choice.form);
    }
    p_.apps.o_browser.set_text(p_.browser_path);
}

void browser_selection::choose(const std::string& path) {
    p_.browser_path = path;
    p_.browser_choice.form.set_visible(false);
}

// A typed path counts only when the window is left with Exit.
void browser_selection::Command3_Click() {
    p_.browser_path = native_paths().stored(p_.apps.o_browser.text());
    p_.apps.form.set_visible(false);
}

void browser_selection::check_file_box(text_box& box) {
    std::string path = box.text();
    if (file_exists(path)) return;
    box.set_text("");
    p_.ui.beep();
}

void browser_selection::choose_browser_file() {
    try {
        const std::string folder = file_exists(p_.browser_path)
                                       ? split_path(p_.browser_path).folder.value_or("")
                                       : p_.program_folder;
        const std::string chosen = p_.ui.open_file(
            {"Select Internet Browser", "Browsers (*.exe)|*.exe|All Files (*.*)|*.*", folder, ""});
        if (chosen.empty()) return;
        const std::string path = native_paths().stored(chosen);
        if (!is_supported_browser(path, p_.supported_browsers)) {
            p_.ui.message(unsupported_browser_text, box::ok_only, message_title);
            return;
        }
        p_.browser_path = path;
        p_.settings.store_browser_path();
    } catch (const std::exception&) {
        // A failed dialog or write leaves the choice as far as it got.
    }
}

}  // namespace tw
