#pragma once

#include <QEvent>
#include <QObject>
#include <functional>

namespace tw {

// Runs `handler` for every event of `type` that reaches `target`, just
// before the target handles it as usual. Lives as long as the target.
void on_event(QObject* target, QEvent::Type type, std::function<void(QEvent&)> handler);

// Runs `handler` for every mouse button or key pressed on `target`; on the
// application, anywhere in its windows: someone is there.
void on_user_input(QObject* target, const std::function<void()>& handler);

}  // namespace tw
