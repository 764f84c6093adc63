#pragma once

#include <memory>
#include <string>

#include "companions/module_settings.hpp"

namespace tw {

class program;

// The companion programs' part of the main window: the Applications menu
// and the use of the module settings forms.
class companion_modules {
public:
    explicit companion_modules(program& p);

    // Loads the module's settings form, centres it, shows it modally, builds
    // the command line for `purpose` from what the form then holds, and
    // unloads it. The result is as a task stores it, "" when the settings do
    // not make a command line.
    std::string settings_command_line(companion_module which, command_line_purpose purpose);

    void menuAppsItem_Click(int index);

    // The settings form in use, null between uses; a view shows its controls.
    module_settings* loaded() { return loaded_.get(); }

private:
    void run_postwright_setup();
    void update_module_task(companion_module which);
    void store_shown_parameters(const std::string& parameters);

    program& p_;
    std::unique_ptr<module_settings> loaded_;
};

}  // namespace tw
