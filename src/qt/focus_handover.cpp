#include "qt/focus_handover.hpp"

#include <QTimer>
#include <QWidget>

#include "toolkit/focus_successor.hpp"

namespace tw {

bool holds_focus(QWidget* widget) {
    const QWidget* focus = widget->window()->focusWidget();
    return focus && (focus == widget || widget->isAncestorOf(focus));
}

void hand_on_focus(QWidget* lost) {
    lost->clearFocus();
    QTimer::singleShot(0, lost, [lost] {
        QWidget* window = lost->window();
        const auto can_take = [window](QWidget* w) {
            return w->window() == window && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
                   w->isVisible();
        };
        if (QWidget* now = window->focusWidget(); now && can_take(now)) return;
        if (QWidget* next = focus_successor(
                lost, [](QWidget* w) { return w->nextInFocusChain(); }, can_take))
            next->setFocus(Qt::TabFocusReason);
    });
}

}  // namespace tw
