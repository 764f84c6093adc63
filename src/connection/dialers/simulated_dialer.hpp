#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "connection/dialer.hpp"
#include "toolkit/event_loop.hpp"
#include "toolkit/posted_calls.hpp"

namespace tw {

// A dialer that pretends: it reads the phone book (an INI file with one
// section per entry, listed in file order) and plays out each dial on the
// event loop's clock. Optional keys of the dialled entry steer it:
//   SimulatedResult         connect (default) | no-answer (never connects)
//   SimulatedConnectSeconds seconds from dial_entry to connected (default 3)
//   SimulatedDropSeconds    seconds after connecting when the line drops
//                           (default 0: never)
//   SimulatedFailure        why a no-answer dial fails, SimulatedConnectSeconds
//                           after dialling, and why its line drops (default
//                           none: a no-answer dial rings on, a drop says nothing)
// A hang-up, a drop or a failed dial is reported by state_notice with the line
// down. A simulated line carries no data: its byte counts are 0. What a timer
// plays out is posted from it, so that timer can play out the next dial while
// a session started by the last one runs its connect tasks.
class simulated_dialer : public dialer {
public:
    simulated_dialer(event_loop& loop, std::string default_phonebook);
    ~simulated_dialer() override;

    void set_phonebook(const std::string& path) override;
    void set_entry_name(const std::string& name) override { entry_name_ = name; }
    int entry_count() override { return static_cast<int>(entries_.size()); }
    bool ras_available() override { return true; }
    int connection_state() override { return state_; }
    bool is_connected() override { return state_ == ras_connected; }
    void hang_up() override;
    void dial_entry() override;
    void load_entry() override {}
    std::string entry_name_at(int index) override;
    void refresh() override;
    std::optional<line_bytes> bytes_carried() override { return line_bytes{}; }

    // Dials issued while an earlier dial was still running or its line up;
    // a modem would refuse them, so the program must never make one.
    int overlapping_dials() const { return overlapping_dials_; }

private:
    struct dial_plan {
        bool connects = true;
        double connect_seconds = 3;
        double drop_seconds = 0;
        std::string failure;
    };

    void read_entries();
    dial_plan plan_for(const std::string& entry) const;
    void line_up();
    void line_down();
    void dial_fails();

    event_loop& loop_;
    std::string phonebook_;
    std::string entry_name_;
    std::vector<std::string> entries_;
    std::unordered_set<std::string> known_entries_;  // the entries' names in lower case
    // The phone book's size and time stamp when the entries were read; a
    // refresh reads them again only when these changed.
    std::optional<std::pair<std::uintmax_t, std::filesystem::file_time_type>> read_stamp_;
    int state_ = ras_disconnected;
    bool dialing_ = false;
    int overlapping_dials_ = 0;
    unsigned dials_ = 0;  // so a posted step of an earlier dial does nothing
    dial_plan plan_;
    timer connect_timer_;
    timer drop_timer_;
    timer notice_timer_;
    posted_calls steps_;
};

}  // namespace tw
