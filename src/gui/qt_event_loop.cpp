#include "gui/qt_event_loop.hpp"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>

namespace tw {

double qt_event_loop::clock() const {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double>(since).count();
}

wall_time qt_event_loop::now() const {
    using namespace std::chrono;
    const auto at = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(at);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto millis = duration_cast<milliseconds>(at - system_clock::from_time_t(seconds));
    return make_wall_time(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                          static_cast<unsigned>(local.tm_mday), local.tm_hour, local.tm_min,
                          local.tm_sec) +
           millis;
}

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
    timers_[&t] = qt_timer;
    t.rearmed.connect([this, &t] { rearm(t); });
    rearm(t);
}

void qt_event_loop::remove_timer(timer& t) {
    const auto found = timers_.find(&t);
    if (found == timers_.end()) return;
    // The timer may be removed from its own tick, inside the QTimer's signal.
    found->second->stop();
    found->second->disconnect();
    found->second->deleteLater();
    timers_.erase(found);
}

void qt_event_loop::rearm(timer& t) {
    const auto found = timers_.find(&t);
    if (found == timers_.end()) return;
    if (t.armed())
        found->second->start(std::max(t.interval(), shortest_period_ms));
    else
        found->second->stop();
}

}  // namespace tw
