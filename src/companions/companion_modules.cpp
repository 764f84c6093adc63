#include "companions/companion_modules.hpp"

#include <algorithm>
#include <memory>

#include "platform/path_rules.hpp"
#include "program.hpp"
#include "scheduler/companion_files.hpp"

namespace tw {

namespace {

constexpr const char* postwright_not_shown =
    "You can only use this option if you have selected 'Postwright' application.";

// Both module entries name the stock quote module.
std::string module_not_shown() {
    return std::string(
               "You can only use this option if you have selected the 'Lumarin - Stock "
               "Quote Module' (") +
           stock_module_file + ") application.";
}

// Unloading drops everything the form held, its handlers too.
template <class Form>
void discard_state(Form& form) {
    std::destroy_at(&form);
    std::construct_at(&form);
}

}  // namespace

companion_modules::companion_modules(program& p) : p_(p) {}

std::optional<std::string> companion_modules::settings_command_line(companion_module which,
                                                                    command_line_purpose purpose) {
    load(which);
    p_.window.center_form(loaded_->form().form);
    p_.ui.show_modal(loaded_->form().form);
    std::optional<std::string> command_line;
    if (!loaded_->closed()) command_line = loaded_->module_command_line(purpose);
    unload(which);
    return command_line;
}

void companion_modules::load(companion_module which) {
    if (which == companion_module::stock_quote)
        loaded_ = std::make_unique<module_settings>(p_, stock_form);
    else
        loaded_ = std::make_unique<module_settings>(p_, web_monitor_form);
}

void companion_modules::unload(companion_module which) {
    loaded_.reset();
    if (which == companion_module::stock_quote)
        discard_state(stock_form);
    else
        discard_state(web_monitor_form);
}

void companion_modules::menuAppsItem_Click(int index) {
    switch (index) {
        case browser_menu:
            return p_.browsers.show_apps_window();
        case e_mail_companion_menu:
            return run_postwright_setup();
        case stock_module_menu:
            return update_module_task(companion_module::stock_quote);
        case web_monitor_menu:
            return update_module_task(companion_module::web_page_monitor);
        default:
            return;
    }
}

// The companion sets up its own account; this waits until it is closed.
void companion_modules::run_postwright_setup() {
    std::string application = p_.main.o_application.caption();
    if (application.find(e_mail_companion_file) == std::string::npos) {
        p_.ui.message(postwright_not_shown, box::information, message_title);
        return;
    }
    p_.launcher.launch_app(application, e_mail_companion_setup, "YES");
}

void companion_modules::update_module_task(companion_module which) {
    const char* file =
        which == companion_module::stock_quote ? stock_module_file : web_monitor_file;
    if (p_.main.o_application.caption().find(file) == std::string::npos) {
        p_.ui.message(module_not_shown(), box::information, message_title);
        return;
    }
    const auto command_line = settings_command_line(which, command_line_purpose::menu);
    if (!command_line) return;
    const std::string parameters = native_paths().stored_parameters(*command_line);
    if (!parameters.empty()) store_shown_parameters(parameters);
}

// Every record of the shown program, then the parameters box, whose handler
// saves the task file when its text changes.
void companion_modules::store_shown_parameters(const std::string& parameters) {
    const std::string& shown = p_.main.o_application.caption();
    const std::vector<std::string>& rows = p_.main.o_task_list.items();
    if (std::find(rows.begin(), rows.end(), shown) != rows.end())
        for (task_entry& task : p_.controls.tasks)
            if (task.application == shown) task.parameters = parameters;
    p_.main.o_parameters.set_text(parameters);
}

}  // namespace tw
