#pragma once

#include <QAction>
#include <QObject>
#include <QWidget>
#include <utility>

#include "toolkit/event.hpp"

namespace tw {

// isHidden, not isVisible: a widget on a tab in the background is not
// visible, yet must not be shown as if it had been hidden.
inline void show_or_hide(QWidget* widget, bool visible) {
    if (widget->isHidden() == visible) widget->setVisible(visible);
}
inline void show_or_hide(QAction* action, bool visible) { action->setVisible(visible); }

// Mirrors one toolkit control into one Qt widget (or action) and hands the
// user's input back to the control. Widget signals raised while the adapter
// itself updates the widget are ignored, so a mirror never echoes into the
// control. The adapter is a child of the widget and dies with it, and its
// handler with it.
template <class Control, class Widget>
class control_adapter : public QObject {
public:
    control_adapter(Control& control, Widget* widget)
        : QObject(widget),
          control_(control),
          widget_(widget),
          watch_(control.state_changed.connect([this] { sync(); })) {}

    // Brings the widget up to the control's state.
    void sync() {
        quietly([this] {
            mirror_presence();
            mirror();
        });
    }

protected:
    Control& control() const { return control_; }
    Widget* widget() const { return widget_; }

    virtual void mirror() = 0;

    // Runs `update` on the widget; what the widget signals meanwhile is not
    // taken as the user's input.
    template <class F>
    void quietly(F&& update) {
        const bool was_mirroring = std::exchange(mirroring_, true);
        update();
        mirroring_ = was_mirroring;
    }
    virtual void mirror_presence() {
        widget_->setEnabled(control_.enabled());
        show_or_hide(widget_, control_.visible());
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
    Control& control_;
    Widget* widget_;
    bool mirroring_ = false;
    scoped_connection watch_;
};

// Builds an adapter and shows the control's current state at once.
template <class Adapter, class Control, class Widget, class... Extra>
Adapter* attach(Control& control, Widget* widget, Extra&&... extra) {
    auto* adapter = new Adapter(control, widget, std::forward<Extra>(extra)...);
    adapter->sync();
    return adapter;
}

}  // namespace tw
