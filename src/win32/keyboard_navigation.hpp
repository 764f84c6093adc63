#pragma once

#include <windows.h>

namespace tw {

// The message a form window gets for Ctrl+Tab (forward) and Ctrl+Shift+Tab
// (wParam 1, backward): show the next tab page.
constexpr UINT next_tab_message = WM_APP + 1;

// Moves the focus between the controls of a form window with Tab, the arrow
// keys and Ctrl+Tab, as dialogs do. True when `message` was used up so.
bool navigate_by_keyboard(MSG& message);

}  // namespace tw
