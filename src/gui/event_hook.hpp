#pragma once

#include <QEvent>
#include <QObject>
#include <functional>

namespace tw {

// Runs `handler` for every event of `type` that reaches `target`, just
// before the target handles it as usual. Lives as long as the target.
void on_event(QObject* target, QEvent::Type type, std::function<void(QEvent&)> handler);

}  // namespace tw
