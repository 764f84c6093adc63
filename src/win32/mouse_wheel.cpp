#include "win32/mouse_wheel.hpp"

#include <string>

#include "win32/form_window.hpp"

namespace tw {

namespace {

bool is_combo_box(HWND window) {
    wchar_t name[16] = {};
    ::GetClassNameW(window, name, 16);
    return std::wstring(name) == L"ComboBox";
}

}  // namespace

bool wheel_over_unfocused_box(const MSG& message) {
    if (message.message != WM_MOUSEWHEEL || !message.hwnd) return false;
    // An editable box's own edit box passes the wheel on to the box.
    const HWND box = is_combo_box(message.hwnd) ? message.hwnd : ::GetParent(message.hwnd);
    if (!box || !is_combo_box(box) || !is_form_window(::GetAncestor(box, GA_ROOT))) return false;
    const HWND focus = ::GetFocus();
    return focus != box && !::IsChild(box, focus);
}

}  // namespace tw
