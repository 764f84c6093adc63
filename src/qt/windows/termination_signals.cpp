#include "qt/termination_signals.hpp"

#include <windows.h>

#include <QMetaObject>
#include <atomic>

namespace tw {

namespace {

std::atomic<QObject*> target{nullptr};
const std::function<void()>* on_signal_of_target = nullptr;

// Runs on a thread of the system's: the request is queued to the UI thread.
// For a close, log-off or shutdown the system ends the process as soon as
// this returns, so it waits; the program's shutdown ends the process itself.
BOOL WINAPI note_request(DWORD kind) {
    QObject* receiver = target.load();
    if (!receiver) return FALSE;
    QMetaObject::invokeMethod(
        receiver, [] { (*on_signal_of_target)(); }, Qt::QueuedConnection);
    if (kind == CTRL_CLOSE_EVENT || kind == CTRL_LOGOFF_EVENT || kind == CTRL_SHUTDOWN_EVENT)
        ::Sleep(INFINITE);
    return TRUE;
}

}  // namespace

class termination_signals::watcher {
public:
    watcher(QObject* parent, const std::function<void()>& on_signal) {
        on_signal_of_target = &on_signal;
        target = parent;
        ::SetConsoleCtrlHandler(note_request, TRUE);
    }
    ~watcher() {
        ::SetConsoleCtrlHandler(note_request, FALSE);
        target = nullptr;
    }
    watcher(const watcher&) = delete;
    watcher& operator=(const watcher&) = delete;
};

termination_signals::termination_signals(std::function<void()> on_signal)
    : on_signal_(std::move(on_signal)), watcher_(std::make_unique<watcher>(this, on_signal_)) {}

termination_signals::~termination_signals() = default;

}  // namespace tw
