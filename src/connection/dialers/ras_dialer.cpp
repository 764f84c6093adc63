#include "connection/dialers/ras_dialer.hpp"

#include <deque>
#include <mutex>
#include <stdexcept>
#include <utility>

namespace tw {

namespace {

constexpr int ras_dialing = 0;  // RASCS_OpenPort, the first state of a dial

}  // namespace

// Progress reports handed over from the system's thread.
class ras_dialer::progress_queue {
public:
    struct report {
        int state;
        unsigned error;
    };
    void push(report r) {
        const std::lock_guard lock(mutex_);
        reports_.push_back(r);
    }
    std::deque<report> take() {
        const std::lock_guard lock(mutex_);
        return std::exchange(reports_, {});
    }

private:
    std::mutex mutex_;
    std::deque<report> reports_;
};

ras_dialer::ras_dialer(event_loop& loop, ras_api api, std::string default_phonebook)
    : loop_(loop), api_(std::move(api)), phonebook_(std::move(default_phonebook)), looks_(loop) {
    loop_.add_timer(watch_timer_);
    watch_timer_.tick.connect([this] { looks_.post([this] { watch(); }); });
    refresh();
    adopt_open_connection();
}

ras_dialer::~ras_dialer() { loop_.remove_timer(watch_timer_); }

void ras_dialer::set_phonebook(const std::string& path) {
    phonebook_ = path;
    refresh();
}

bool ras_dialer::ras_available() {
    std::vector<ras_api::connection> connections;
    return api_.enum_connections(connections) == 0;
}

void ras_dialer::refresh() {
    entries_.clear();
    if (api_.enum_entries(phonebook_, entries_) != 0) entries_.clear();
}

std::string ras_dialer::entry_name_at(int index) {
    if (index < 0 || index >= entry_count()) throw std::out_of_range("no phone-book entry there");
    return entries_[static_cast<std::size_t>(index)];
}

void ras_dialer::dial_entry() {
    release_line();
    progress_ = std::make_shared<progress_queue>();
    state_ = ras_dialing;
    bytes_.reset();
    const unsigned error = api_.dial(
        phonebook_, entry_name_,
        [queue = progress_](int state, unsigned failure) {
            queue->push({state, failure});
        },
        line_);
    // A refused dial leaves the line down, as one that fails later does; the
    // watchdog's redial is no place for an error.
    if (error != 0) {
        release_line();
        state_ = ras_disconnected;
        dial_failed(reason(error));
        return;
    }
    watch_timer_.start(watch_interval_ms);
}

void ras_dialer::hang_up() {
    const bool was_busy = line_ != 0 || state_ != ras_disconnected;
    release_line();
    state_ = ras_disconnected;
    if (was_busy) {
        notice_due_ = true;
        watch_timer_.start(watch_interval_ms);
    }
}

void ras_dialer::watch() {
    take_progress();
    check_line();
    if (std::exchange(notice_due_, false)) state_notice(0);
    if (!line_) watch_timer_.stop();
}

void ras_dialer::take_progress() {
    if (!progress_) return;
    for (const auto& report : progress_->take()) {
        if (report.error != 0) {
            // The watchdog hangs up and dials again; only the reason is told.
            release_line();
            state_ = ras_disconnected;
            dial_failed(reason(report.error));
            return;
        }
        const bool came_up = report.state == ras_connected && state_ != ras_connected;
        state_ = report.state;
        if (came_up) state_changed();
    }
}

void ras_dialer::check_line() {
    if (!line_ || state_ != ras_connected) return;
    int state = ras_disconnected;
    unsigned line_error = 0;
    const bool answered = api_.connect_status(line_, state, line_error) == 0;
    if (answered && state != ras_disconnected) {
        read_statistics();
        return;
    }
    release_line();
    state_ = ras_disconnected;
    if (answered && line_error != 0) line_dropped(reason(line_error));
    state_changed();
    notice_due_ = true;
}

// A line's statistics go with its handle, so they are read while it is up.
void ras_dialer::read_statistics() {
    line_bytes bytes;
    if (api_.statistics(line_, bytes) == 0) bytes_ = bytes;
}

std::optional<line_bytes> ras_dialer::bytes_carried() {
    if (line_ && state_ == ras_connected) read_statistics();
    return bytes_;
}

std::string ras_dialer::reason(unsigned error) const {
    const std::string text = api_.error_text(error);
    return std::to_string(error) + (text.empty() ? "" : ": " + text);
}

void ras_dialer::adopt_open_connection() {
    std::vector<ras_api::connection> connections;
    if (api_.enum_connections(connections) != 0 || connections.empty()) return;
    int state = ras_disconnected;
    unsigned line_error = 0;
    if (api_.connect_status(connections.front().handle, state, line_error) != 0 ||
        state != ras_connected)
        return;
    line_ = connections.front().handle;
    state_ = ras_connected;
    watch_timer_.start(watch_interval_ms);
}

// Hangs up the handle, which the system wants even after a failed dial, and
// forgets the progress of that dial.
void ras_dialer::release_line() {
    if (line_) api_.hang_up(std::exchange(line_, 0));
    progress_.reset();
}

}  // namespace tw
