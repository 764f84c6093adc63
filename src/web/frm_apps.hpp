#pragma once

#include "toolkit/button.hpp"
#include "toolkit/frame.hpp"
#include "toolkit/layout.hpp"
#include "toolkit/menu_item.hpp"
#include "toolkit/text_box.hpp"
#include "toolkit/window.hpp"

namespace tw {

// The Applications window: the browser's path and the button that chooses
// one. The frame for the maker's e-mail download program lies below the
// window's visible height; its box is only checked, never kept.
struct frm_apps {
    frm_apps();

    window form;
    menu_item menuFileItem_exit{99, "Exit"};
    frame f_browser;
    text_box o_browser;
    button Command1;  // Select
    button Command3;  // Exit
    frame f_mailsieve;
    text_box o_msv;
    button Command2;  // Select, without an action
};

// Where the Applications window's controls are; the Mailsieve frame lies
// below the window's bottom edge.
form_layout frm_apps_layout(frm_apps& f);

}  // namespace tw
