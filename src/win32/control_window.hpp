#pragma once

#include <windows.h>

#include "toolkit/control_mirror.hpp"

namespace tw {

// The message a control's window posts its form when the focus must leave it
// (wParam: the window); see focus_successor.
constexpr UINT focus_lost_message = WM_APP + 2;

// A control_mirror in a child window. The form window owns its adapters.
class control_window : public control_mirror {
public:
    control_window(control& c, HWND window);
    ~control_window() override;

    HWND window() const { return window_; }
    // The control the window shows.
    const tw::control& shown() const { return control_; }
    // The adapter of a child window made by this backend, or null.
    static control_window* of(HWND window);

    // What the parent hears from the window: a WM_COMMAND notification code,
    // a scroll request, a colour query (return a brush, or null for the
    // default), an owner-drawn paint.
    virtual void command(int /*code*/) {}
    virtual void scroll(int /*request*/, int /*position*/) {}
    virtual HBRUSH colour(HDC /*dc*/) { return nullptr; }
    virtual void draw(const DRAWITEMSTRUCT& /*item*/) {}
    // Enter, pressed while the window (or a combo box's edit box) has the
    // focus and leaves the key to the form; false leaves it to the form's
    // default button.
    virtual bool enter() { return false; }
    // The window has been placed and given its font: what depends on them
    // is measured again.
    virtual void refit() {}

protected:
    void mirror_presence() override;

private:
    control& control_;
    HWND window_;
};

}  // namespace tw
