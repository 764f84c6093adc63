#pragma once

#include <windows.h>

#include <string>

namespace tw {

// A window's text as the system holds it.
std::wstring window_text(HWND window);
// Sets a window's text to `utf8` unless it shows that already (setting it
// again would move an edit box's caret and notify the parent).
void show_text(HWND window, const std::string& utf8);

}  // namespace tw
