#pragma once

#include <windows.h>

#include <memory>

#include "toolkit/layout.hpp"
#include "win32/control_window.hpp"

namespace tw {

// The child window of `parent` that shows the placed control, tied to it,
// hidden and without a place yet (the form window places it).
std::unique_ptr<control_window> make_control_window(const placement& p, HWND parent);

// The tab strip and the status bar of a form, tied to their controls.
// `shown` runs after the user or the program chose another tab.
std::unique_ptr<control_window> make_tab_window(tab_control& tabs, HWND parent,
                                                std::function<void()> shown);
std::unique_ptr<control_window> make_status_window(status_bar& status, HWND parent);

}  // namespace tw
