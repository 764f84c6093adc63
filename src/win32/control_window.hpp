#pragma once

#include <windows.h>

#include "toolkit/control_mirror.hpp"

namespace tw {

// A control_mirror in a child window. The form window owns its adapters.
class control_window : public control_mirror {
public:
    control_window(control& c, HWND window);
    ~control_window() override;

    HWND window() const { return window_; }
    // The adapter of a child window made by this backend, or null.
    static control_window* of(HWND window);

    // Whether the page holding the control is the one shown.
    void set_on_shown_page(bool shown);

    // What the parent hears from the window: a WM_COMMAND notification code,
    // a scroll request, a colour query (return a brush, or null for the
    // default), an owner-drawn paint.
    virtual void command(int /*code*/) {}
    virtual void scroll(int /*request*/, int /*position*/) {}
    virtual HBRUSH colour(HDC /*dc*/) { return nullptr; }
    virtual void draw(const DRAWITEMSTRUCT& /*item*/) {}
    // Enter, pressed while the window (or a combo box's edit box) has the
    // focus and leaves the key to the form.
    virtual void enter() {}

protected:
    void mirror_presence() override;

private:
    control& control_;
    HWND window_;
    bool on_shown_page_ = true;
};

}  // namespace tw
