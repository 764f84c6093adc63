#pragma once

#include "forms/frm_main.hpp"
#include "toolkit/layout.hpp"

namespace tw {

// Where the main window's menus and controls are: four tab pages that fit
// inside the window's fixed size with the menu bar and the status bar.
form_layout frm_main_layout(frm_main& f);

}  // namespace tw
