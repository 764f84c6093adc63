#pragma once

#include <utility>

#include "toolkit/control.hpp"
#include "toolkit/event.hpp"

namespace tw {

// What every adapter of a view does: it mirrors one control into one widget
// and hands the user's input back to the control. What the widget reports
// while the adapter itself updates it is not the user's input, so a mirror
// never echoes into the control. The adapter follows the control for as long
// as it lives.
class control_mirror {
public:
    explicit control_mirror(control& c) : watch_(c.state_changed.connect([this] { sync(); })) {}
    virtual ~control_mirror() = default;
    control_mirror(const control_mirror&) = delete;
    control_mirror& operator=(const control_mirror&) = delete;

    // Brings the widget up to the control's state.
    void sync() {
        quietly([this] {
            mirror_presence();
            mirror();
        });
    }

protected:
    // Enabled and shown.
    virtual void mirror_presence() = 0;
    // The rest of the control's state.
    virtual void mirror() = 0;

    // Runs `update` on the widget; what the widget reports meanwhile is not
    // taken as the user's input.
    template <class F>
    void quietly(F&& update) {
        const bool was_mirroring = std::exchange(mirroring_, true);
        update();
        mirroring_ = was_mirroring;
    }
    // Applies input the user gave the widget, then shows what the control
    // made of it (it may have refused or adjusted it). A form's widgets are
    // destroyed only once its modal loop has returned, never inside one of
    // their own handlers.
    template <class F>
    void from_user(F&& apply) {
        if (mirroring_) return;
        apply();
        sync();
    }

private:
    bool mirroring_ = false;
    scoped_connection watch_;
};

}  // namespace tw
