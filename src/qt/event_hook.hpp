#pragma once

#include <QEvent>
#include <QObject>
#include <functional>

class QWidget;

namespace tw {

// Runs `handler` for every event of `type` that reaches `target`, just
// before the target handles it as usual. Lives as long as the target.
void on_event(QObject* target, QEvent::Type type, std::function<void(QEvent&)> handler);

// As on_event, but the event goes no further when `handler` returns true.
void intercept_event(QObject* target, QEvent::Type type, std::function<bool(QEvent&)> handler);

// Runs `handler` for every mouse button or key pressed on `target`; on the
// application, anywhere in its windows: someone is there.
void on_user_input(QObject* target, const std::function<void()>& handler);

// A wheel turned over `widget` changes it only once it has the focus, which
// a click or Tab gives it, not the wheel: a page scrolled past it stays as it was.
void wheel_only_with_focus(QWidget* widget);

}  // namespace tw
