#include "win32/keyboard_navigation.hpp"

#include "win32/form_window.hpp"

namespace tw {

bool navigate_by_keyboard(MSG& message) {
    if (!message.hwnd) return false;
    const HWND root = ::GetAncestor(message.hwnd, GA_ROOT);
    if (!is_form_window(root)) return false;
    // A drop-down list keeps every system key to itself, Alt+F4 too: the
    // form closes whatever has the focus.
    if (message.message == WM_SYSKEYDOWN && message.wParam == VK_F4) {
        ::PostMessageW(root, WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    }
    // Alt and its letters open the menus, which a dialog's handling would eat.
    if (message.message == WM_SYSKEYDOWN || message.message == WM_SYSCHAR ||
        message.message == WM_SYSKEYUP)
        return false;
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB &&
        (::GetKeyState(VK_CONTROL) & 0x8000)) {
        ::SendMessageW(root, next_tab_message, (::GetKeyState(VK_SHIFT) & 0x8000) ? 1 : 0, 0);
        return true;
    }
    return ::IsDialogMessageW(root, &message) != FALSE;
}

}  // namespace tw
