#pragma once

#include "toolkit/button.hpp"
#include "toolkit/label.hpp"
#include "toolkit/layout.hpp"
#include "toolkit/window.hpp"

namespace tw {

// Asks which of the two browsers found to use.
struct frm_browser_selection {
    frm_browser_selection();

    window form;
    label Label1;
    button Command1;  // Netscape
    button Command2;  // Microsoft
    button Command3;  // Cancel
};

// Where the browser choice's controls are.
form_layout frm_browser_selection_layout(frm_browser_selection& f);

}  // namespace tw
