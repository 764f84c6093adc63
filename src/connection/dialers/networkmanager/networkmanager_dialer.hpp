#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "connection/dialer.hpp"
#include "toolkit/event_loop.hpp"
#include "toolkit/posted_calls.hpp"

typedef struct _GCancellable GCancellable;
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
// Bus failures are never thrown: a dial NetworkManager refuses simply never
// connects.
//
// libnm works on GLib's default main context, so its news arrives while that
// context runs (the Qt event loop runs it on Linux). The dialer follows that
// news, and raises its events, from the program's loop, never inside libnm's
// dispatch: GLib does not run a source again while it is dispatching, so a
// session started there (its tasks wait for minutes) would hear nothing more
// from NetworkManager until it ended.
//
// A dial or line that ends by itself is told with its active connection's
// state reason, or as NetworkManager having stopped. The bytes are the
// counters of the network interface that holds the link's address (a VPN's
// tunnel, a modem's ppp link, made for each connection), read while the line
// is up: at each refresh and when they are asked for.
class networkmanager_dialer : public dialer {
public:
    explicit networkmanager_dialer(event_loop& loop);
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
    std::optional<line_bytes> bytes_carried() override;
    void finish_hang_up() override;

private:
    // Where the dialled profile's link is, as this dialer last saw it.
    enum class line { idle, dialing, up, hanging_up };

    NMRemoteConnection* profile_named(const std::string& name) const;
    NMActiveConnection* active_of_profile() const;
    void watch(NMActiveConnection* active);
    void follow_soon();
    void follow_line();
    // A link's state as the bus's StateChanged signal gives it.
    void note_state(const std::string& path, unsigned state, unsigned reason);
    void tell_why_down();
    // NetworkManager's answer to dial `dial`: its link, or why it refused
    // (`refusal`, else null).
    void activation_answered(unsigned dial, NMActiveConnection* active, const char* refusal);
    void count_bytes();
    void keep_answered_link(NMActiveConnection* active);

    posted_calls soon_;
    NMClient* client_ = nullptr;
    GCancellable* cancellable_ = nullptr;  // of calls still under way at the end
    std::vector<std::string> entries_;
    std::string entry_name_;
    std::string profile_uuid_;  // of the profile dialled last
    line line_ = line::idle;
    // The dial's link has shown up, so its end is news.
    bool link_seen_ = false;
    unsigned dials_ = 0;
    bool activation_unanswered_ = false;  // the last dial's
    // The link NetworkManager answered the last dial with (a reference held),
    // which the client may not list among the active connections yet.
    NMActiveConnection* answered_link_ = nullptr;
    std::string link_path_;  // the dial's link's object on the bus
    // Why each link that ended since the dial ended, by object path.
    std::map<std::string, unsigned> end_reasons_;
    unsigned reason_subscription_ = 0;  // of the bus signal that gives them
    line untold_ = line::idle;          // a dial or line that ended, whose reason is still to tell
    std::string link_interface_;
    std::optional<line_bytes> bytes_;  // of the latest line
};

}  // namespace tw
