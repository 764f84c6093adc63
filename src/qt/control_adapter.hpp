#pragma once

#include <QAction>
#include <QObject>
#include <QWidget>
#include <utility>

#include "qt/focus_handover.hpp"
#include "toolkit/control_mirror.hpp"

namespace tw {

// isHidden, not isVisible: a widget on a tab in the background is not
// visible, yet must not be shown as if it had been hidden.
inline void show_or_hide(QWidget* widget, bool visible) {
    if (widget->isHidden() == visible) widget->setVisible(visible);
}
inline void show_or_hide(QAction* action, bool visible) { action->setVisible(visible); }

// A control_mirror in a Qt widget (or action). The adapter is a child of the
// widget and dies with it.
template <class Control, class Widget>
class control_adapter : public QObject, public control_mirror {
public:
    control_adapter(Control& control, Widget* widget)
        : QObject(widget), control_mirror(control), control_(control), widget_(widget) {}

protected:
    Control& control() const { return control_; }
    Widget* widget() const { return widget_; }

    // Qt would move the focus off a widget it disables or hides at once,
    // before the handler has enabled the widget that takes its place.
    void mirror_presence() override {
        if (holds_focus(widget_) && !(control_.enabled() && control_.visible()))
            hand_on_focus(widget_);
        widget_->setEnabled(control_.enabled());
        show_or_hide(widget_, control_.visible());
    }

private:
    Control& control_;
    Widget* widget_;
};

// Builds an adapter and shows the control's current state at once.
template <class Adapter, class Control, class Widget, class... Extra>
Adapter* attach(Control& control, Widget* widget, Extra&&... extra) {
    auto* adapter = new Adapter(control, widget, std::forward<Extra>(extra)...);
    adapter->sync();
    return adapter;
}

}  // namespace tw
