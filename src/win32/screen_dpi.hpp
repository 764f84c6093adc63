#pragma once

#include <windows.h>

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace tw {

// The logical DPI `window` is shown at (its monitor's, for a program aware
// of each monitor's DPI), or the screen's when the window is null.
int dpi_of(HWND window);

}  // namespace tw
