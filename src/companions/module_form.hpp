#pragma once

#include "toolkit/button.hpp"
#include "toolkit/combo_box.hpp"
#include "toolkit/frame.hpp"
#include "toolkit/label.hpp"
#include "toolkit/layout.hpp"
#include "toolkit/path_list.hpp"
#include "toolkit/text_box.hpp"
#include "toolkit/window.hpp"

namespace tw {

// The controls both module settings forms hold, with their design-time state.
struct module_form {
    window form;
    label Label1;
    label l_cpid;
    text_box o_cpid;
    label Label3;  // clicked, opens the customer-profile page
    label l_override_email;
    text_box o_override_email;
    frame Frame1;
    drive_list o_email_drive;
    folder_list o_email_dir;
    label l_email_dir;
    label l_email_directory;  // what OK stores as the outbox folder
    button Command1;

protected:
    module_form(const char* caption, const char* instruction, int height);
};

// The stock quote module's settings; it alone has a data source.
struct frm_stockmodule : module_form {
    frm_stockmodule();

    label l_data_source;
    combo_box o_data_source{true};
};

// The web page monitor module's settings.
struct frm_wpmmodule : module_form {
    frm_wpmmodule();
};

// Where a module settings form's controls are; the stock form alone shows
// its data source.
form_layout frm_stockmodule_layout(frm_stockmodule& f);
form_layout frm_wpmmodule_layout(frm_wpmmodule& f);

}  // namespace tw
