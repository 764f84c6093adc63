#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "connection/dialer.hpp"
#include "toolkit/event_loop.hpp"

namespace tw {

// A dialer that pretends: it reads the phone book (an INI file with one
// section per entry, listed in file order) and plays out each dial on the
// event loop's clock. Optional keys of the dialled entry steer it:
//   SimulatedResult         connect (default) | no-answer (never connects)
//   SimulatedConnectSeconds seconds from dial_entry to connected (default 3)
//   SimulatedDropSeconds    seconds after connecting when the line drops
//                           (default 0: never)
// A hang-up, or a drop, is reported by state_notice with the line down.
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

    // Dials issued while an earlier dial was still running or its line up;
    // a modem would refuse them, so the program must never make one.
    int overlapping_dials() const { return overlapping_dials_; }

private:
    struct dial_plan {
        bool connects = true;
        double connect_seconds = 3;
        double drop_seconds = 0;
    };

    void read_entries();
    dial_plan plan_for(const std::string& entry) const;
    void line_up();
    void line_down();

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
    dial_plan plan_;
    timer connect_timer_;
    timer drop_timer_;
    timer notice_timer_;
};

}  // namespace tw
