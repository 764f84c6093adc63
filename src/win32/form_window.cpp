#include "win32/form_window.hpp"

#include <commctrl.h>

#include "platform/windows/wide_text.hpp"
#include "toolkit/focus_successor.hpp"
#include "toolkit/twips.hpp"
#include "win32/adapters.hpp"
#include "win32/keyboard_navigation.hpp"
#include "win32/screen_dpi.hpp"
#include "win32/win32_application.hpp"
#include "win32/win32_text.hpp"

namespace tw {

namespace {

constexpr wchar_t form_class[] = L"tarnwick_form";
constexpr wchar_t page_class[] = L"tarnwick_page";

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

// A page hands what its controls tell their parent on to the form.
LRESULT CALLBACK page_proc(HWND page, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_VSCROLL:
        case WM_HSCROLL:
        case WM_DRAWITEM:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
            return ::SendMessageW(::GetParent(page), message, w, l);
        default:
            return ::DefWindowProcW(page, message, w, l);
    }
}

// Not WS_CLIPCHILDREN: frames leave their inside for the page to paint.
HWND make_page(HWND form) {
    static const bool registered = [] {
        WNDCLASSW window_class{};
        window_class.lpfnWndProc = page_proc;
        window_class.hInstance = ::GetModuleHandleW(nullptr);
        window_class.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        window_class.lpszClassName = page_class;
        return ::RegisterClassW(&window_class) != 0;
    }();
    (void)registered;
    return ::CreateWindowExW(WS_EX_CONTROLPARENT, page_class, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0,
                             0, 0, form, nullptr, ::GetModuleHandleW(nullptr), nullptr);
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
    for (const auto& page : layout_.pages) {
        pages_.push_back(make_page(handle_));
        for (const placement& p : page) {
            controls_.push_back({make_control_window(p, pages_.back()), on_page(p, page)});
            if (const auto* b = std::get_if<button*>(&p.control); b && *b == layout_.default_button)
                default_button_ = controls_.back().window->window();
        }
    }
    if (default_button_) ::SendMessageW(default_button_, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    if (layout_.status) status_ = make_status_window(*layout_.status, handle_);
    put_containers_below();
    place();
    show_current_page();
}

// A child made later lies below the earlier ones, and Tab goes down that
// order: the layout's order. The tab strip goes to the bottom, after the
// pages' controls, as the layout's Tab order has it; the frames go there
// too, below the controls they hold, or they would hide them.
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
// as in a dialog), else to the default button; Escape closes a modal form as
// its close box does.
void form_window::enter_on_focus() {
    const HWND focus = ::GetFocus();
    if (!focus || !::IsChild(handle_, focus)) return;
    control_window* focused = control_window::of(focus);
    if (!focused) focused = control_window::of(::GetParent(focus));  // a combo box's edit box
    if (focused && focused->enter()) return;
    if (takes_focus(default_button_)) ::SendMessageW(default_button_, BM_CLICK, 0, 0);
}

// One of the form's controls (a page itself takes the focus only when the
// system hides a control that had it), or a combo box's edit box.
bool form_window::takes_focus(HWND control) const {
    const bool ours = control && ::IsChild(handle_, control) &&
                      (control_window::of(control) || control_window::of(::GetParent(control)));
    return ours && ::IsWindowEnabled(control) && ::IsWindowVisible(control);
}

// Unless the focus has found a place meanwhile. While another window is
// active, the place is kept for the form's return.
void form_window::hand_on_focus(HWND lost) {
    if (takes_focus(::GetFocus())) return;
    const HWND next = focus_successor(
        lost, [this](HWND at) { return ::GetNextDlgTabItem(handle_, at, FALSE); },
        [this](HWND at) { return takes_focus(at); });
    if (!next) return;
    if (::GetActiveWindow() == handle_)
        ::SetFocus(next);
    else
        focus_ = next;
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
    page_ = page;
    for (const HWND shown : pages_)
        ::SetWindowPos(shown, nullptr, page.left, page.top, page.right - page.left,
                       page.bottom - page.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // The font first: a list box shows whole rows of its font.
    std::size_t i = 0;
    for (const auto& page_controls : layout_.pages)
        for (const placement& p : page_controls)
            ::SendMessageW(controls_[i++].window->window(), WM_SETFONT,
                           reinterpret_cast<WPARAM>(fonts_.font_for(p.look)), FALSE);
    // A drop-down list's open height is its own (see the adapters).
    for (const placed& c : controls_) {
        ::SetWindowPos(c.window->window(), nullptr, pixels(c.at.left), pixels(c.at.top),
                       pixels(c.at.width), pixels(c.at.height), SWP_NOZORDER | SWP_NOACTIVATE);
        c.window->refit();
    }
}

// The new page shows before the old one hides, so nothing flashes between.
// A focus left on the hidden page goes to the tab strip.
void form_window::show_current_page() {
    const auto shown = static_cast<std::size_t>(layout_.tabs ? layout_.tabs->tab() : 0);
    const HWND focus = ::GetFocus();
    bool focus_hidden = false;
    if (shown < pages_.size()) ::ShowWindow(pages_[shown], SW_SHOWNA);
    for (std::size_t page = 0; page < pages_.size(); ++page)
        if (page != shown) {
            focus_hidden = focus_hidden || ::IsChild(pages_[page], focus);
            ::ShowWindow(pages_[page], SW_HIDE);
        }
    if (focus_hidden && tabs_) ::SetFocus(tabs_->window());
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
// rounding never creeps into the form's position. Only the user moves a
// window, and only a shown one: the moves of building it (a menu bar changes
// where its client area lies) are not the form's.
void form_window::report_position() {
    if (mirroring_ || ::IsIconic(handle_) || !::IsWindowVisible(handle_)) return;
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
        case focus_lost_message:
            hand_on_focus(reinterpret_cast<HWND>(w));
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
