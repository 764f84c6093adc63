#pragma once

#include <windows.h>

#include <utility>

#include "toolkit/control.hpp"

namespace tw {

// Mirrors one toolkit control into one child window and hands what the user
// does to it back to the control. Notifications the window sends while the
// adapter itself updates it are ignored, so a mirror never echoes into the
// control. The form window owns its adapters, and each adapter its handler.
class control_window {
public:
    control_window(control& c, HWND window);
    virtual ~control_window();
    control_window(const control_window&) = delete;
    control_window& operator=(const control_window&) = delete;

    HWND window() const { return window_; }
    // The adapter of a child window made by this backend, or null.
    static control_window* of(HWND window);

    // Brings the window up to the control's state.
    void sync();
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
    virtual void mirror() = 0;

    // Runs `update` on the window; what the window reports meanwhile is not
    // taken as the user's input.
    template <class F>
    void quietly(F&& update) {
        const bool was_mirroring = std::exchange(mirroring_, true);
        update();
        mirroring_ = was_mirroring;
    }
    // Applies input the user gave the window, then shows what the control
    // made of it (it may have refused or adjusted it).
    template <class F>
    void from_user(F&& apply) {
        if (mirroring_) return;
        apply();
        sync();
    }

private:
    void mirror_presence();

    control& control_;
    HWND window_;
    bool on_shown_page_ = true;
    bool mirroring_ = false;
    scoped_connection watch_;
};

}  // namespace tw
