#include "connection/dialers/simulated_dialer.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "platform/file_io.hpp"
#include "platform/ini_document.hpp"
#include "platform/path_rules.hpp"

namespace tw {

namespace {

constexpr int ras_dialing = 0;  // any state but connected and disconnected

// "" for a missing or unreadable file, and for a FIFO, which must not block the dialer.
std::string file_text(const std::string& path) {
    file_stamp ignored;
    try {
        return read_whole_file(path, ignored).value_or("");
    } catch (const file_error&) {
        return {};
    }
}

double seconds_or(const std::string& text, double fallback) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const bool read = error == std::errc() && end == text.data() + text.size();
    return read && std::isfinite(value) && value >= 0 ? value : fallback;
}

// Clamped to the longest timer period: a huge number of seconds means "never"
// for any run, and must not overflow into a short one.
int milliseconds(double seconds) {
    constexpr double longest = std::numeric_limits<int>::max();
    return std::max(1, static_cast<int>(std::min(seconds * 1000 + 0.5, longest)));
}

}  // namespace

simulated_dialer::simulated_dialer(event_loop& loop, std::string default_phonebook)
    : loop_(loop), phonebook_(std::move(default_phonebook)), steps_(loop) {
    for (timer* t : {&connect_timer_, &drop_timer_, &notice_timer_}) {
        loop_.add_timer(*t);
        t->tick.connect([t] { t->stop(); });  // every timer here is one-shot
    }
    connect_timer_.tick.connect([this] {
        steps_.post([this, dial = dials_] {
            if (dial == dials_ && dialing_) plan_.connects ? line_up() : dial_fails();
        });
    });
    drop_timer_.tick.connect([this] {
        steps_.post([this, dial = dials_] {
            if (dial == dials_ && state_ == ras_connected) line_down();
        });
    });
    notice_timer_.tick.connect([this] { steps_.post([this] { state_notice(0); }); });
    refresh();
}

simulated_dialer::~simulated_dialer() {
    for (timer* t : {&connect_timer_, &drop_timer_, &notice_timer_}) loop_.remove_timer(*t);
}

void simulated_dialer::set_phonebook(const std::string& path) {
    phonebook_ = path;
    read_stamp_.reset();
    refresh();
}

void simulated_dialer::refresh() {
    std::error_code error;
    const auto size = std::filesystem::file_size(file_path(phonebook_), error);
    const auto time = std::filesystem::last_write_time(file_path(phonebook_), error);
    const auto stamp = error ? std::nullopt : std::optional(std::pair(size, time));
    if (stamp && stamp == read_stamp_) return;
    read_entries();
    read_stamp_ = stamp;
}

// Section names in file order; the first of duplicates counts. The phone
// book is read as every INI file is, so a byte-order mark or UTF-16 is no
// part of a name.
void simulated_dialer::read_entries() {
    entries_ = ini_document(file_text(phonebook_)).section_names();
    known_entries_.clear();
    for (const std::string& name : entries_) known_entries_.insert(lower(name));
}

std::string simulated_dialer::entry_name_at(int index) {
    if (index < 0 || index >= entry_count()) throw std::out_of_range("no phone-book entry there");
    return entries_[static_cast<std::size_t>(index)];
}

simulated_dialer::dial_plan simulated_dialer::plan_for(const std::string& entry) const {
    const ini_document book(file_text(phonebook_));
    dial_plan plan;
    plan.connects = lower(book.read(entry, "SimulatedResult")) != "no-answer";
    plan.connect_seconds = seconds_or(book.read(entry, "SimulatedConnectSeconds"), 3);
    plan.drop_seconds = seconds_or(book.read(entry, "SimulatedDropSeconds"), 0);
    plan.failure = book.read(entry, "SimulatedFailure");
    return plan;
}

void simulated_dialer::dial_entry() {
    const bool known = known_entries_.contains(lower(entry_name_));
    if (dialing_ || state_ == ras_connected) ++overlapping_dials_;
    plan_ = plan_for(entry_name_);
    state_ = ras_dialing;
    dialing_ = true;
    ++dials_;
    // An entry missing from the phone book never answers, as a bad number
    // would not; a no-answer dial rings on unless it has a failure to report.
    if (known && (plan_.connects || !plan_.failure.empty()))
        connect_timer_.start(milliseconds(plan_.connect_seconds));
}

void simulated_dialer::line_up() {
    state_ = ras_connected;
    dialing_ = false;
    if (plan_.drop_seconds > 0) drop_timer_.start(milliseconds(plan_.drop_seconds));
    state_changed();
}

void simulated_dialer::line_down() {
    state_ = ras_disconnected;
    if (!plan_.failure.empty()) line_dropped(plan_.failure);
    state_changed();
    state_notice(0);
}

void simulated_dialer::dial_fails() {
    state_ = ras_disconnected;
    dialing_ = false;
    dial_failed(plan_.failure);
    state_notice(0);
}

void simulated_dialer::hang_up() {
    connect_timer_.stop();
    drop_timer_.stop();
    const bool was_busy = dialing_ || state_ == ras_connected;
    dialing_ = false;
    state_ = ras_disconnected;
    // The line reports itself down a moment later, as a real one does.
    if (was_busy) notice_timer_.start(1);
}

}  // namespace tw
