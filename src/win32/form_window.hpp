#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "toolkit/layout.hpp"
#include "toolkit/window.hpp"
#include "win32/control_window.hpp"
#include "win32/form_fonts.hpp"
#include "win32/menu_bar.hpp"

namespace tw {

// Whether `window` is a form window of this program (for the keyboard
// handling of the message loop).
bool is_form_window(HWND window);

// A form on screen: a top-level window of the form's fixed size in twips,
// converted by the screen's DPI, with the menus, tab pages, controls and
// status bar of its layout, each tied to its control. Each page is a child
// window of its own holding its controls, so only the shown page's controls
// are drawn and reached with Tab. The window follows the form's caption,
// state, size and position; the close box fires the form's unload. It is
// created hidden; whoever shows the form shows it.
class form_window {
public:
    // `owner`: the window a modal form belongs to; null for the main window,
    // which alone has a minimize box and a taskbar button.
    form_window(window& form, form_layout layout, HWND owner);
    ~form_window();
    form_window(const form_window&) = delete;
    form_window& operator=(const form_window&) = delete;

    HWND handle() const { return handle_; }
    // Where the pages lie in the client area, in pixels.
    RECT page_area() const { return page_; }
    // Shows the window in the form's window state.
    void show();
    // Whether the user closed it (its unload has fired).
    bool closed() const { return closed_; }
    // What to do when Windows ends the user's session; nothing by default.
    void on_end_session(std::function<void()> end) { end_session_ = std::move(end); }

private:
    struct placed {
        std::unique_ptr<control_window> window;
        twips_rect at;  // from the page's corner
    };

    static LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT handle(UINT message, WPARAM w, LPARAM l);
    bool notify_control(UINT message, WPARAM w, LPARAM l, LRESULT& result);

    void build();
    void put_containers_below();
    void place();
    void show_current_page();
    void mirror_form();
    void report_state(WPARAM kind);
    void enter_on_focus();
    bool takes_focus(HWND control) const;
    void hand_on_focus(HWND lost);
    void report_position();
    int pixels(int twips) const;
    int twips(int pixels) const;

    window& form_;
    form_layout layout_;
    HWND handle_ = nullptr;
    int dpi_ = 96;
    form_fonts fonts_;
    std::unique_ptr<menu_bar> menus_;
    std::unique_ptr<control_window> tabs_;
    std::unique_ptr<control_window> status_;
    std::vector<HWND> pages_;
    std::vector<placed> controls_;
    HWND default_button_ = nullptr;
    RECT page_{};
    HWND focus_ = nullptr;
    bool closed_ = false;
    bool mirroring_ = false;
    std::function<void()> end_session_;
    scoped_connection watch_;
};

}  // namespace tw
