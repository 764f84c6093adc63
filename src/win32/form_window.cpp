#include "win32/form_window.hpp"

#include <commctrl.h>

#include "platform/windows/wide_text.hpp"
#include "toolkit/twips.hpp"
#include "win32/adapters.hpp"
#include "win32/keyboard_navigation.hpp"
#include "win32/screen_dpi.hpp"
#include "win32/win32_application.hpp"
#include "win32/win32_text.hpp"

namespace tw {

namespace {

constexpr wchar_t form_class[] = L"tarnwick_form";
// A drop-down list opens this many times as high as its closed box.
constexpr int drop_down_rows = 8;

void register_form_class() {
    static const bool registered = [] {
        WNDCLASSW window_class{};
        window_class.lpfnWndProc = DefWindowProcW;  // replaced once the window has its object
        window_class.hInstance = ::GetModuleHandleW(nullptr);
        window_class.hIcon = ::LoadIconW(window_class.hInstance, MAKEINTRESOURCEW(1));
        window_class.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        window_class.lpszClassName = form_class;
        return ::RegisterClassW(&window_class) != 0;
    }();
    (void)registered;
}

bool drops_down(const placement& p) {
    return std::holds_alternative<combo_box*>(p.control) ||
           std::holds_alternative<drive_list*>(p.control);
}

}  // namespace

bool is_form_window(HWND window) {
    wchar_t name[32] = {};
    ::GetClassNameW(window, name, 32);
    return std::wstring_view(name) == form_class;
}

form_window::form_window(window& form, form_layout layout, HWND owner)
    : form_(form), layout_(std::move(layout)) {
    register_form_class();
    const DWORD style = owner ? WS_POPUP | WS_CAPTION | WS_SYSMENU
                              : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    const DWORD extended = WS_EX_CONTROLPARENT | (owner ? WS_EX_DLGMODALFRAME : 0);
    // Not WS_CLIPCHILDREN: frames leave their inside for the form to paint.
    handle_ = ::CreateWindowExW(extended, form_class, L"", style, CW_USEDEFAULT, CW_USEDEFAULT, 0,
                                0, owner, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(window_proc));
    dpi_ = dpi_of(handle_);
    build();
    watch_ = form_.state_changed.connect([this] { mirror_form(); });
    mirror_form();
}

form_window::~form_window() {
    // The adapters go first: the window's end must not reach them.
    controls_.clear();
    tabs_.reset();
    status_.reset();
    menus_.reset();
    ::SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcW));
    ::DestroyWindow(handle_);
}

void form_window::show() {
    ::ShowWindow(handle_, form_.state() == window_state::minimized ? SW_SHOWMINIMIZED : SW_SHOW);
}

void form_window::build() {
    fonts_.make(dpi_);
    if (!layout_.menus.empty()) menus_ = std::make_unique<menu_bar>(layout_.menus, handle_);
    if (layout_.tabs)
        tabs_ = make_tab_window(*layout_.tabs, handle_, [this] { show_current_page(); });
    for (std::size_t page = 0; page < layout_.pages.size(); ++page)
        for (const placement& p : layout_.pages[page])
            controls_.push_back({make_control_window(p, handle_), static_cast<int>(page),
                                 on_page(p, layout_.pages[page]), drops_down(p)});
    if (layout_.status) status_ = make_status_window(*layout_.status, handle_);
    put_containers_below();
    place();
    show_current_page();
}

// A child made later lies below the earlier ones (which keeps the tab order
// the layout's order), but the tab strip and the frames must lie below the
// controls they hold, or they would hide them.
void form_window::put_containers_below() {
    std::size_t i = 0;
    for (const auto& page : layout_.pages)
        for (const placement& p : page) {
            const HWND shown = controls_[i++].window->window();
            if (std::holds_alternative<frame*>(p.control))
                ::SetWindowPos(shown, HWND_BOTTOM, 0, 0, 0, 0,
                               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    if (tabs_)
        ::SetWindowPos(tabs_->window(), HWND_BOTTOM, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Enter goes to the control that has the focus (a push button is pressed,
// as in a dialog); Escape closes a modal form as its close box does.
void form_window::enter_on_focus() {
    const HWND focus = ::GetFocus();
    if (!focus || !::IsChild(handle_, focus)) return;
    control_window* focused = control_window::of(focus);
    if (!focused) focused = control_window::of(::GetParent(focus));  // a combo box's edit box
    if (focused) focused->enter();
}

int form_window::pixels(int twips) const { return twips_to_pixels(twips, dpi_); }
int form_window::twips(int pixels) const { return pixels_to_twips(pixels, dpi_); }

// Sizes the window and puts every control where the layout says, in the
// current DPI's pixels and fonts.
void form_window::place() {
    if (form_.width() > 0 && form_.height() > 0)
        ::SetWindowPos(handle_, nullptr, 0, 0, pixels(form_.width()), pixels(form_.height()),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT page{};
    ::GetClientRect(handle_, &page);
    if (status_) {
        ::SendMessageW(status_->window(), WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.text()),
                       TRUE);
        ::SendMessageW(status_->window(), WM_SIZE, 0, 0);
        RECT bar{};
        ::GetWindowRect(status_->window(), &bar);
        page.bottom -= bar.bottom - bar.top;
    }
    if (tabs_) {
        ::SendMessageW(tabs_->window(), WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.text()), TRUE);
        ::SetWindowPos(tabs_->window(), nullptr, page.left, page.top, page.right - page.left,
                       page.bottom - page.top, SWP_NOZORDER | SWP_NOACTIVATE);
        const LONG strip_top = page.top;
        ::SendMessageW(tabs_->window(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
        // The tab control keeps its strip only: the pages lie on the form's
        // own face, in the colour every caption on them is drawn on (the
        // control's own page may be lighter, as under Wine).
        ::SetWindowPos(tabs_->window(), nullptr, 0, 0, page.right - page.left + 2 * page.left,
                       page.top - strip_top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (const placed& c : controls_) {
        const int height = pixels(c.at.height) * (c.drops_down ? drop_down_rows : 1);
        ::SetWindowPos(c.window->window(), nullptr, page.left + pixels(c.at.left),
                       page.top + pixels(c.at.top), pixels(c.at.width), height,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
    std::size_t i = 0;
    for (const auto& page_controls : layout_.pages)
        for (const placement& p : page_controls)
            ::SendMessageW(controls_[i++].window->window(), WM_SETFONT,
                           reinterpret_cast<WPARAM>(fonts_.font_for(p.look)), TRUE);
}

void form_window::show_current_page() {
    const int shown = layout_.tabs ? layout_.tabs->tab() : 0;
    for (placed& c : controls_) c.window->set_on_shown_page(c.page == shown);
}

void form_window::mirror_form() {
    mirroring_ = true;
    show_text(handle_, form_.caption());
    ::EnableWindow(handle_, form_.enabled());
    RECT now{};
    ::GetWindowRect(handle_, &now);
    const bool iconic = ::IsIconic(handle_);
    if (!iconic && form_.width() > 0 && form_.height() > 0 &&
        (now.right - now.left != pixels(form_.width()) ||
         now.bottom - now.top != pixels(form_.height())))
        place();
    if (!iconic && (now.left != pixels(form_.left()) || now.top != pixels(form_.top())))
        ::SetWindowPos(handle_, nullptr, pixels(form_.left()), pixels(form_.top()), 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (::IsWindowVisible(handle_)) {
        if (form_.state() == window_state::minimized && !iconic)
            ::ShowWindow(handle_, SW_MINIMIZE);
        else if (form_.state() == window_state::normal && iconic)
            ::ShowWindow(handle_, SW_RESTORE);
    }
    mirroring_ = false;
}

void form_window::report_state(WPARAM kind) {
    if (mirroring_) return;
    if (kind == SIZE_MINIMIZED)
        form_.set_state(window_state::minimized);
    else if (kind == SIZE_MAXIMIZED)
        form_.set_state(window_state::maximized);
    else if (kind == SIZE_RESTORED)
        form_.set_state(window_state::normal);
}

// Pixels that already stand for the form's twips are not reported back, so
// rounding never creeps into the form's position.
void form_window::report_position() {
    if (mirroring_ || ::IsIconic(handle_)) return;
    RECT now{};
    ::GetWindowRect(handle_, &now);
    if (now.left != pixels(form_.left()) || now.top != pixels(form_.top()))
        form_.move_to(twips(now.left), twips(now.top));
}

LRESULT CALLBACK form_window::window_proc(HWND window, UINT message, WPARAM w, LPARAM l) {
    auto* self = reinterpret_cast<form_window*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->handle(message, w, l) : ::DefWindowProcW(window, message, w, l);
}

// The notifications a control sends its parent go to the control's adapter.
bool form_window::notify_control(UINT message, WPARAM w, LPARAM l, LRESULT& result) {
    switch (message) {
        case WM_COMMAND:
            if (!l) return false;
            if (control_window* c = control_window::of(reinterpret_cast<HWND>(l)))
                c->command(HIWORD(w));
            result = 0;
            return true;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(l);
            if (control_window* c = control_window::of(header->hwndFrom))
                c->command(static_cast<int>(header->code));
            result = 0;
            return true;
        }
        case WM_VSCROLL:
        case WM_HSCROLL:
            if (control_window* c = control_window::of(reinterpret_cast<HWND>(l)))
                c->scroll(LOWORD(w), static_cast<short>(HIWORD(w)));
            result = 0;
            return true;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX: {
            const auto dc = reinterpret_cast<HDC>(w);
            if (control_window* c = control_window::of(reinterpret_cast<HWND>(l)))
                if (const HBRUSH brush = c->colour(dc)) {
                    result = reinterpret_cast<LRESULT>(brush);
                    return true;
                }
            if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX) return false;
            // Captions lie on the form's face, as in a dialog; a plain
            // window would give them the white of a text box.
            ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
            result = reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
            return true;
        }
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(l);
            if (control_window* c = control_window::of(item->hwndItem)) c->draw(*item);
            result = TRUE;
            return true;
        }
        default:
            return false;
    }
}

LRESULT form_window::handle(UINT message, WPARAM w, LPARAM l) {
    if (LRESULT result = 0; notify_control(message, w, l, result)) return result;
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(w) == IDOK && HIWORD(w) == 0)
                enter_on_focus();
            else if (LOWORD(w) == IDCANCEL && HIWORD(w) == 0 && ::GetWindow(handle_, GW_OWNER))
                ::PostMessageW(handle_, WM_CLOSE, 0, 0);
            else if (menus_ && HIWORD(w) == 0)
                menus_->chosen(LOWORD(w));
            return 0;
        case WM_CLOSE:
            closed_ = true;
            form_.unload();
            return 0;
        case WM_SIZE:
            if (status_) ::SendMessageW(status_->window(), WM_SIZE, 0, 0);
            report_state(w);
            return 0;
        case WM_MOVE:
            report_position();
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(w) == WA_INACTIVE) {
                if (const HWND focus = ::GetFocus(); focus && ::IsChild(handle_, focus))
                    focus_ = focus;
            } else if (!HIWORD(w)) {
                const bool keep = focus_ && ::IsWindow(focus_) && ::IsWindowVisible(focus_) &&
                                  ::IsWindowEnabled(focus_);
                ::SetFocus(keep ? focus_ : ::GetNextDlgTabItem(handle_, nullptr, FALSE));
            }
            return 0;
        case next_tab_message:
            if (layout_.tabs) {
                const int count = static_cast<int>(layout_.pages.size());
                layout_.tabs->set_tab((layout_.tabs->tab() + (w ? count - 1 : 1)) % count);
                ::SetFocus(tabs_->window());
            }
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (w && end_session_) end_session_();
            return 0;
        case WM_DPICHANGED: {
            dpi_ = HIWORD(w);
            fonts_.make(dpi_);
            const auto* suggested = reinterpret_cast<const RECT*>(l);
            ::SetWindowPos(handle_, nullptr, suggested->left, suggested->top, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            place();
            return 0;
        }
        case WM_SETCURSOR:
            if (busy_pointer_shown()) {
                ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
                return TRUE;
            }
            break;
        default:
            break;
    }
    return ::DefWindowProcW(handle_, message, w, l);
}

}  // namespace tw
