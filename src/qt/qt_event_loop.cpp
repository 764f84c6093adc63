#include "qt/qt_event_loop.hpp"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>

#include "platform/local_time.hpp"

namespace tw {

double qt_event_loop::clock() const {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double>(since).count();
}

wall_time qt_event_loop::now() const { return local_now(); }

std::chrono::minutes qt_event_loop::utc_offset() const { return local_utc_offset(); }

void qt_event_loop::do_events() { QCoreApplication::processEvents(); }

void qt_event_loop::wait(double max_seconds) {
    if (max_seconds <= 0) return do_events();
    // Only there to wake the dispatcher when nothing else does.
    QTimer bound;
    bound.setSingleShot(true);
    bound.setTimerType(Qt::PreciseTimer);
    bound.start(std::chrono::milliseconds(static_cast<long long>(std::ceil(max_seconds * 1000))));
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void qt_event_loop::add_timer(timer& t) {
    if (timers_.contains(&t)) return;
    auto* qt_timer = new QTimer(&owner_);
    qt_timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(qt_timer, &QTimer::timeout, qt_timer, [&t] { t.fire(); });
    timers_[&t] = {qt_timer, t.rearmed.connect([this, &t] { rearm(t); })};
    rearm(t);
}

void qt_event_loop::remove_timer(timer& t) {
    const auto found = timers_.find(&t);
    if (found == timers_.end()) return;
    // The timer may be removed from its own tick, inside the QTimer's signal.
    QTimer* qt_timer = found->second.qt_timer;
    qt_timer->stop();
    qt_timer->disconnect();
    qt_timer->deleteLater();
    timers_.erase(found);
}

void qt_event_loop::rearm(timer& t) {
    const auto found = timers_.find(&t);
    if (found == timers_.end()) return;
    if (t.armed())
        found->second.qt_timer->start(std::max(t.interval(), shortest_period_ms));
    else
        found->second.qt_timer->stop();
}

}  // namespace tw
