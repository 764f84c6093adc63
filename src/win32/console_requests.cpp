#include "win32/console_requests.hpp"

#include <atomic>

namespace tw {

namespace {

std::atomic<HWND> target{nullptr};

// Runs on a thread of the system's. For a close, log-off or shutdown the
// system ends the process as soon as this returns, so it waits; the
// program's shutdown ends the process itself.
BOOL WINAPI note_request(DWORD kind) {
    const HWND window = target.load();
    if (!window) return FALSE;
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    if (kind == CTRL_CLOSE_EVENT || kind == CTRL_LOGOFF_EVENT || kind == CTRL_SHUTDOWN_EVENT)
        ::Sleep(INFINITE);
    return TRUE;
}

}  // namespace

console_requests::console_requests(HWND main_window) {
    target = main_window;
    ::SetConsoleCtrlHandler(note_request, TRUE);
}

console_requests::~console_requests() {
    ::SetConsoleCtrlHandler(note_request, FALSE);
    target = nullptr;
}

}  // namespace tw
