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

// A window that can no longer take the focus it has tells its form, which
// hands the focus on once the handler that changed the control has run.
void control_window::mirror_presence() {
    const HWND focus = ::GetFocus();
    const bool focused = focus && (focus == window_ || ::IsChild(window_, focus));
    ::EnableWindow(window_, control_.enabled());
    // The window's own flag: a window is not visible while its form is hidden.
    if (static_cast<bool>(::GetWindowLongPtrW(window_, GWL_STYLE) & WS_VISIBLE) !=
        control_.visible())
        ::ShowWindow(window_, control_.visible() ? SW_SHOWNA : SW_HIDE);
    if (focused && !(control_.enabled() && control_.visible()))
        ::PostMessageW(::GetAncestor(window_, GA_ROOT), focus_lost_message,
                       reinterpret_cast<WPARAM>(window_), 0);
}

}  // namespace tw
