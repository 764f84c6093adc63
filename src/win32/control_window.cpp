#include "win32/control_window.hpp"

namespace tw {

namespace {

// Marks the windows this backend made; the system's own children (a combo
// box's edit box) have none.
constexpr wchar_t adapter_property[] = L"tarnwick.adapter";

}  // namespace

control_window::control_window(control& c, HWND window)
    : control_mirror(c), control_(c), window_(window) {
    ::SetPropW(window, adapter_property, this);
}

control_window::~control_window() { ::RemovePropW(window_, adapter_property); }

control_window* control_window::of(HWND window) {
    return static_cast<control_window*>(::GetPropW(window, adapter_property));
}

void control_window::set_on_shown_page(bool shown) {
    on_shown_page_ = shown;
    quietly([this] { mirror_presence(); });
}

void control_window::mirror_presence() {
    ::EnableWindow(window_, control_.enabled());
    const bool show = control_.visible() && on_shown_page_;
    // The window's own flag: a window is not visible while its form is hidden.
    if (static_cast<bool>(::GetWindowLongPtrW(window_, GWL_STYLE) & WS_VISIBLE) != show)
        ::ShowWindow(window_, show ? SW_SHOWNA : SW_HIDE);
}

}  // namespace tw
