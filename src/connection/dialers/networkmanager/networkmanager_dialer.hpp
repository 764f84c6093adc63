#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "connection/dialer.hpp"

typedef struct _NMClient NMClient;
typedef struct _NMActiveConnection NMActiveConnection;
typedef struct _NMRemoteConnection NMRemoteConnection;

namespace tw {

// The NetworkManager connection types whose profiles are dial entries: links
// brought up on demand (mobile broadband, PPPoE, Bluetooth, VPN, WireGuard),
// not the always-on wired and wireless ones.
inline constexpr std::array<std::string_view, 6> on_demand_link_types{
    "gsm", "cdma", "pppoe", "bluetooth", "vpn", "wireguard"};

// A dialer over NetworkManager's profiles, through libnm on the system bus.
// The entries are the profiles of the on-demand link types, by name, in name
// order; dialling activates the named profile and hanging up deactivates it.
// libnm works on GLib's default main context, so its news arrives while that
// context runs (the Qt event loop runs it on Linux). Bus failures are never
// thrown: a dial NetworkManager refuses simply never connects.
class networkmanager_dialer : public dialer {
public:
    networkmanager_dialer();
    ~networkmanager_dialer() override;
    networkmanager_dialer(const networkmanager_dialer&) = delete;
    networkmanager_dialer& operator=(const networkmanager_dialer&) = delete;

    // The profiles are NetworkManager's own; there is no phone-book file.
    void set_phonebook(const std::string&) override {}
    void set_entry_name(const std::string& name) override { entry_name_ = name; }
    int entry_count() override { return static_cast<int>(entries_.size()); }
    bool ras_available() override;
    int connection_state() override;
    bool is_connected() override;
    void hang_up() override;
    void dial_entry() override;
    void load_entry() override {}
    std::string entry_name_at(int index) override;
    void refresh() override;

    bool uses_phonebook_file() const override { return false; }
    std::string entries_editor() const override;

private:
    // Where the dialled profile's link is, as this dialer last saw it.
    enum class line { idle, dialing, up, hanging_up };

    NMRemoteConnection* profile_named(const std::string& name) const;
    NMActiveConnection* active_of_profile() const;
    void watch(NMActiveConnection* active);
    void follow_line();

    NMClient* client_ = nullptr;
    std::vector<std::string> entries_;
    std::string entry_name_;
    std::string profile_uuid_;  // of the profile dialled last
    line line_ = line::idle;
    // The dial's link has shown up, so its end is news.
    bool link_seen_ = false;
};

}  // namespace tw
