#include "connection/dialers/networkmanager/networkmanager_dialer.hpp"

#include <NetworkManager.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "platform/posix/find_in_path.hpp"

namespace tw {

namespace {

constexpr int ras_activating = 1;  // any state but connected and disconnected
constexpr const char* connection_editor = "nm-connection-editor";

// A connection of its own to the system bus: the shared one of GDBus ends the
// whole process when the bus goes away.
NMClient* connect_client() {
    GError* error = nullptr;
    gchar* address = g_dbus_address_get_for_bus_sync(G_BUS_TYPE_SYSTEM, nullptr, &error);
    GDBusConnection* bus = nullptr;
    if (address)
        bus = g_dbus_connection_new_for_address_sync(
            address,
            GDBusConnectionFlags(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                 G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
            nullptr, nullptr, &error);
    g_free(address);
    g_clear_error(&error);
    if (!bus) return nullptr;
    auto* client = static_cast<NMClient*>(
        g_initable_new(NM_TYPE_CLIENT, nullptr, &error, NM_CLIENT_DBUS_CONNECTION, bus, nullptr));
    g_object_unref(bus);
    g_clear_error(&error);
    return client;
}

bool is_on_demand(NMConnection* profile) {
    const char* type = nm_connection_get_connection_type(profile);
    return type && std::ranges::find(on_demand_link_types, type) != on_demand_link_types.end();
}

// Activating, or up: not on its way down.
bool is_live(NMActiveConnection* active) {
    return active &&
           nm_active_connection_get_state(active) < NM_ACTIVE_CONNECTION_STATE_DEACTIVATING;
}

bool is_activated(NMActiveConnection* active) {
    return active && nm_active_connection_get_state(active) == NM_ACTIVE_CONNECTION_STATE_ACTIVATED;
}

// The outcome shows in the active connections' states; a refusal leaves the
// dial unanswered, as a line that never picks up would.
void activation_done(GObject* client, GAsyncResult* result, gpointer) {
    NMActiveConnection* active =
        nm_client_activate_connection_finish(NM_CLIENT(client), result, nullptr);
    if (active) g_object_unref(active);
}

void deactivation_done(GObject* client, GAsyncResult* result, gpointer) {
    nm_client_deactivate_connection_finish(NM_CLIENT(client), result, nullptr);
}

// Sent before returning: the program may end right after a hang-up.
void deactivate(NMClient* client, NMActiveConnection* active) {
    nm_client_deactivate_connection_async(client, active, nullptr, deactivation_done, nullptr);
    g_dbus_connection_flush_sync(nm_client_get_dbus_connection(client), nullptr, nullptr);
}

}  // namespace

networkmanager_dialer::networkmanager_dialer() : client_(connect_client()) {
    if (!client_) return;
    g_signal_connect(client_, NM_CLIENT_ACTIVE_CONNECTION_ADDED,
                     G_CALLBACK(+[](NMClient*, NMActiveConnection* active, gpointer self) {
                         auto* d = static_cast<networkmanager_dialer*>(self);
                         d->watch(active);
                         d->follow_line();
                     }),
                     this);
    g_signal_connect(client_, NM_CLIENT_ACTIVE_CONNECTION_REMOVED,
                     G_CALLBACK(+[](NMClient*, NMActiveConnection* active, gpointer self) {
                         g_signal_handlers_disconnect_by_data(active, self);
                         static_cast<networkmanager_dialer*>(self)->follow_line();
                     }),
                     this);
    const GPtrArray* actives = nm_client_get_active_connections(client_);
    for (guint i = 0; i < actives->len; ++i)
        watch(NM_ACTIVE_CONNECTION(g_ptr_array_index(actives, i)));
    refresh();
}

networkmanager_dialer::~networkmanager_dialer() {
    if (!client_) return;
    const GPtrArray* actives = nm_client_get_active_connections(client_);
    for (guint i = 0; i < actives->len; ++i)
        g_signal_handlers_disconnect_by_data(g_ptr_array_index(actives, i), this);
    g_signal_handlers_disconnect_by_data(client_, this);
    g_object_unref(client_);
}

void networkmanager_dialer::watch(NMActiveConnection* active) {
    g_signal_connect_swapped(active, "notify::" NM_ACTIVE_CONNECTION_STATE,
                             G_CALLBACK(+[](networkmanager_dialer* d) { d->follow_line(); }), this);
}

bool networkmanager_dialer::ras_available() { return client_ && nm_client_get_nm_running(client_); }

// The on-demand profiles by name; equal names in the order of their uuids, so
// the list reads the same every time.
void networkmanager_dialer::refresh() {
    std::vector<std::pair<std::string, std::string>> found;
    const GPtrArray* profiles = client_ ? nm_client_get_connections(client_) : nullptr;
    for (guint i = 0; profiles && i < profiles->len; ++i) {
        auto* profile = NM_CONNECTION(g_ptr_array_index(profiles, i));
        const char* id = nm_connection_get_id(profile);
        const char* uuid = nm_connection_get_uuid(profile);
        if (id && is_on_demand(profile)) found.emplace_back(id, uuid ? uuid : "");
    }
    std::ranges::sort(found);
    entries_.clear();
    for (auto& [id, uuid] : found) entries_.push_back(std::move(id));
}

std::string networkmanager_dialer::entry_name_at(int index) {
    if (index < 0 || index >= entry_count()) throw std::out_of_range("no such profile");
    return entries_[static_cast<std::size_t>(index)];
}

NMRemoteConnection* networkmanager_dialer::profile_named(const std::string& name) const {
    const GPtrArray* profiles = client_ ? nm_client_get_connections(client_) : nullptr;
    for (guint i = 0; profiles && i < profiles->len; ++i) {
        auto* profile = NM_CONNECTION(g_ptr_array_index(profiles, i));
        const char* id = nm_connection_get_id(profile);
        if (id && name == id && is_on_demand(profile)) return NM_REMOTE_CONNECTION(profile);
    }
    return nullptr;
}

// A profile being brought up again may briefly have two: the old one going
// down and the new one, which is the one that counts.
NMActiveConnection* networkmanager_dialer::active_of_profile() const {
    if (!client_ || profile_uuid_.empty()) return nullptr;
    NMActiveConnection* found = nullptr;
    const GPtrArray* actives = nm_client_get_active_connections(client_);
    for (guint i = 0; i < actives->len; ++i) {
        auto* active = NM_ACTIVE_CONNECTION(g_ptr_array_index(actives, i));
        const char* uuid = nm_active_connection_get_uuid(active);
        if (uuid && profile_uuid_ == uuid && (!found || is_live(active))) found = active;
    }
    return found;
}

void networkmanager_dialer::dial_entry() {
    line_ = line::dialing;
    link_seen_ = false;
    NMRemoteConnection* profile = profile_named(entry_name_);
    // A profile that is not there never answers, as a bad number would not.
    profile_uuid_ = profile ? nm_connection_get_uuid(NM_CONNECTION(profile)) : "";
    if (!profile) return;
    nm_client_activate_connection_async(client_, NM_CONNECTION(profile), nullptr, nullptr, nullptr,
                                        activation_done, nullptr);
}

// The line counts as down at once; NetworkManager's report that it is gone
// follows as the events. A dial whose link has not shown up yet is taken
// down when it does.
void networkmanager_dialer::hang_up() {
    if (line_ == line::idle) return;
    NMActiveConnection* active = active_of_profile();
    if (is_live(active)) {
        link_seen_ = true;
        deactivate(client_, active);
    }
    line_ = line::hanging_up;
}

bool networkmanager_dialer::is_connected() {
    return (line_ == line::dialing || line_ == line::up) && is_activated(active_of_profile());
}

int networkmanager_dialer::connection_state() {
    if (is_connected()) return ras_connected;
    return line_ == line::dialing ? ras_activating : ras_disconnected;
}

// Runs on every change NetworkManager reports about active connections. The
// line's new place is set before an event goes out, so handlers that let
// events run meanwhile see it.
void networkmanager_dialer::follow_line() {
    NMActiveConnection* active = active_of_profile();
    if (line_ == line::hanging_up && is_live(active)) {
        link_seen_ = true;
        deactivate(client_, active);
        return;
    }
    if (line_ == line::dialing && is_live(active)) link_seen_ = true;
    if (line_ == line::dialing && is_activated(active)) {
        line_ = line::up;
        state_changed();
        return;
    }
    if (line_ != line::idle && link_seen_ && !is_live(active)) {
        line_ = line::idle;
        state_changed();
        state_notice(0);
    }
}

std::string networkmanager_dialer::entries_editor() const {
    const char* search_path = std::getenv("PATH");
    std::string found = find_in_path(connection_editor, search_path ? search_path : "");
    return found == connection_editor ? "" : found;
}

}  // namespace tw
