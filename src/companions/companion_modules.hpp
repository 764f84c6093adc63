#pragma once

#include <memory>
#include <optional>
#include <string>

#include "companions/module_settings.hpp"

namespace tw {

class program;

// The companion programs' part of the main window: the Applications menu
// and the use of the module settings forms.
class companion_modules {
public:
    explicit companion_modules(program& p);

    // The two settings forms. Each keeps its place for the program's life, so
    // a view registered for it finds it at every use; unloading one returns it
    // to its design-time state.
    frm_stockmodule stock_form;
    frm_wpmmodule web_monitor_form;

    // Loads the module's settings form, centres it, shows it modally, builds
    // the command line for `purpose` from what the form then holds, and
    // unloads it. "" when the settings do not make a command line; none when
    // the user closed the form (its close box, Escape), which cancels. A task
    // stores it as the platform's path rules store companion parameters.
    std::optional<std::string> settings_command_line(companion_module which,
                                                     command_line_purpose purpose);

    void menuAppsItem_Click(int index);

    // The handlers of the settings form in use; null between uses.
    module_settings* loaded() { return loaded_.get(); }

private:
    void load(companion_module which);
    void unload(companion_module which);
    void run_postwright_setup();
    void update_module_task(companion_module which);
    void store_shown_parameters(const std::string& parameters);

    program& p_;
    std::unique_ptr<module_settings> loaded_;
};

}  // namespace tw
