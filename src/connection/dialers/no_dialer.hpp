#pragma once

#include <stdexcept>

#include "connection/dialer.hpp"

namespace tw {

// The machine has no remote-access service: the program says so at start-up
// and ends. Nothing else is ever asked of it.
class no_dialer : public dialer {
public:
    void set_phonebook(const std::string&) override {}
    void set_entry_name(const std::string&) override {}
    int entry_count() override { return 0; }
    bool ras_available() override { return false; }
    int connection_state() override { return ras_disconnected; }
    bool is_connected() override { return false; }
    void hang_up() override {}
    void dial_entry() override { throw std::runtime_error("no remote-access service"); }
    void load_entry() override {}
    std::string entry_name_at(int) override { throw std::out_of_range("no phone book"); }
    void refresh() override {}
};

}  // namespace tw
