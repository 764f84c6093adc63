#pragma once

#include <string>

#include "companions/module_form.hpp"

namespace tw {

class program;

enum class companion_module { stock_quote, web_page_monitor };

// A module task's command line is built for a new task, or from the
// Applications menu for the task shown; only the e-mail part differs.
enum class command_line_purpose { adding, menu };

// The handlers of a module's settings form while it is loaded. Constructing
// this loads the form, in its design-time state, from the companion settings
// file.
class module_settings {
public:
    module_settings(program& p, frm_stockmodule& form);
    module_settings(program& p, frm_wpmmodule& form);

    module_form& form() { return form_; }
    // The stock form's data source; null on the web page monitor form.
    combo_box* data_source() { return data_source_; }
    // The user closed the form by its close box: nothing was stored.
    bool closed() const { return closed_; }

    void Command1_Click();
    void Label3_Click();

    // The module's command line from the form's controls and the stored
    // outbox folder, before it is trimmed for storing; "" when the ID, the
    // data source or the outbox folder is missing.
    std::string module_command_line(command_line_purpose purpose) const;

private:
    module_settings(program& p, module_form& form, const char* section, combo_box* data_source);
    void show_working_folder();
    void connect_handlers();
    void Form_Load();
    void show_outbox(const std::string& stored);
    void select_data_source(const std::string& stored);
    void o_cpid_Change();
    void o_email_drive_Change();
    void o_email_dir_Change();
    void store_settings();
    std::string read(const char* section, const char* key) const;

    program& p_;
    module_form& form_;
    const char* section_;  // the module's own section
    combo_box* data_source_;
    bool closed_ = false;
};

}  // namespace tw
