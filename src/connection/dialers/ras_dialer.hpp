#pragma once

#include <memory>
#include <string>
#include <vector>

#include "connection/dialer.hpp"
#include "connection/dialers/ras_api.hpp"
#include "toolkit/event_loop.hpp"
#include "toolkit/posted_calls.hpp"
#include "toolkit/timer.hpp"

namespace tw {

// The dialer over the system's remote-access functions.
//  - The entries are those of the phone book set last (the system's until then).
//  - dial_entry starts a dial; a refused or failed one leaves the line down
//    without an event, and the program's watchdog dials again.
//  - The dial's progress arrives on the system's thread and is taken up on
//    the event loop by a short timer, which runs only while a line or a
//    report is pending; it also reads the connected line's status, since a
//    drop is reported by no other means. Each look is posted from the timer,
//    so the timer keeps ticking while a session started by an earlier look
//    runs its connect tasks.
//  - Connected raises state_changed; a drop raises state_changed and
//    state_notice with the line down; a hang-up of a dial or a line raises
//    state_notice a moment later, as the line reports itself down.
//  - A failed dial, or a drop the system gives an error for, is told with
//    the error's number and text ("691: Access was denied ...").
//  - The bytes are the system's statistics of the line, as last read while
//    it was up.
//  - A connection left from an earlier run is found, so it can be hung up.
class ras_dialer : public dialer {
public:
    static constexpr int watch_interval_ms = 200;

    ras_dialer(event_loop& loop, ras_api api, std::string default_phonebook);
    ~ras_dialer() override;
    ras_dialer(const ras_dialer&) = delete;
    ras_dialer& operator=(const ras_dialer&) = delete;

    void set_phonebook(const std::string& path) override;
    void set_entry_name(const std::string& name) override { entry_name_ = name; }
    int entry_count() override { return static_cast<int>(entries_.size()); }
    bool ras_available() override;
    int connection_state() override { return state_; }
    bool is_connected() override { return state_ == ras_connected; }
    void hang_up() override;
    void dial_entry() override;
    void load_entry() override {}
    std::string entry_name_at(int index) override;
    void refresh() override;
    std::optional<line_bytes> bytes_carried() override;

private:
    class progress_queue;

    void watch();
    void take_progress();
    void check_line();
    void adopt_open_connection();
    void release_line();
    void read_statistics();
    std::string reason(unsigned error) const;

    event_loop& loop_;
    ras_api api_;
    std::string phonebook_;
    std::string entry_name_;
    std::vector<std::string> entries_;
    ras_api::line line_ = 0;
    int state_ = ras_disconnected;
    bool notice_due_ = false;
    std::optional<line_bytes> bytes_;           // of the latest line
    std::shared_ptr<progress_queue> progress_;  // of the current dial only
    timer watch_timer_;
    posted_calls looks_;
};

}  // namespace tw
