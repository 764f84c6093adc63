#pragma once

#include <windows.h>

namespace tw {

// Turns a console's Ctrl+C, Ctrl+Break and close, and log-off and shutdown,
// into a WM_CLOSE of `main_window`, so the program ends through its one
// orderly way out. One instance at a time.
class console_requests {
public:
    explicit console_requests(HWND main_window);
    ~console_requests();
    console_requests(const console_requests&) = delete;
    console_requests& operator=(const console_requests&) = delete;
};

}  // namespace tw
