#include "qt/termination_signals.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <stdexcept>

namespace tw {

namespace {

volatile std::sig_atomic_t write_end = -1;

volatile std::sig_atomic_t signals_seen = 0;

// A second signal ends the process at once: the orderly end is already under
// way and may be what hangs. The atomic writes keep the files whole.
extern "C" void note_signal(int signal) {
    if (signals_seen != 0) ::_exit(128 + signal);
    signals_seen = 1;
    const int saved_errno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(write_end, &byte, 1);
    errno = saved_errno;
}

}  // namespace

// The handler only writes a byte to a pipe whose read end the event loop
// watches, as almost nothing else is safe inside a signal handler.
class termination_signals::watcher {
public:
    watcher(QObject* parent, const std::function<void()>& on_signal) {
        if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0)
            throw std::runtime_error("cannot create the signal pipe");
        write_end = pipe_[1];
        notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, parent);
        QObject::connect(notifier_, &QSocketNotifier::activated, parent, [this, &on_signal] {
            drain();
            on_signal();
        });

        struct sigaction action = {};
        action.sa_handler = note_signal;
        sigemptyset(&action.sa_mask);
        // No SA_RESTART: a blocking call the signal interrupts returns, so the
        // event loop gets to act on the signal instead of waiting on in the call.
        action.sa_flags = 0;
        for (std::size_t i = 0; i < watched.size(); ++i)
            sigaction(watched[i], &action, &previous_[i]);
    }
    ~watcher() {
        for (std::size_t i = 0; i < watched.size(); ++i)
            sigaction(watched[i], &previous_[i], nullptr);
        write_end = -1;
        delete notifier_;
        ::close(pipe_[0]);
        ::close(pipe_[1]);
    }
    watcher(const watcher&) = delete;
    watcher& operator=(const watcher&) = delete;

private:
    static constexpr std::array watched{SIGTERM, SIGINT, SIGHUP};

    void drain() {
        char bytes[64];
        while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
        }
    }

    int pipe_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
    std::array<struct sigaction, watched.size()> previous_{};
};

termination_signals::termination_signals(std::function<void()> on_signal)
    : on_signal_(std::move(on_signal)), watcher_(std::make_unique<watcher>(this, on_signal_)) {}

termination_signals::~termination_signals() = default;

}  // namespace tw
