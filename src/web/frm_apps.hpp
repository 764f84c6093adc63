#pragma once

#include "toolkit/button.hpp"
#include "toolkit/frame.hpp"
#include "toolkit/layout.hpp"
#include "toolkit/menu_item.hpp"
#include "toolkit/text_box.hpp"
#include "toolkit/window.hpp"

namespace tw {

// The Applications window's height once loaded.
inline constexpr int apps_height = 1890;

// The Applications window: the browser's path and the button that chooses
// one.
struct frm_apps {
    frm_apps();

    window form;
    menu_item menuFileItem_exit{99, "Exit"};
    frame f_browser;
    text_box o_browser;
    button Command1;  // Select
    button Command3;  // Exit
};

// Where the Applications window's controls are: Exit beside the frame, as
// the window is only as high as the frame.
form_layout frm_apps_layout(frm_apps& f);

}  // namespace tw
