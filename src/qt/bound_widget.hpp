#pragma once

#include <QWidget>

#include "qt/adapters.hpp"

namespace tw {

// A widget of type Widget under `parent`, named after its control and tied to it.
template <class Widget, class Control>
Widget* bound(Control& control, const char* name, QWidget* parent) {
    auto* widget = new Widget(parent);
    widget->setObjectName(name);
    adapt(control, widget);
    return widget;
}

}  // namespace tw
