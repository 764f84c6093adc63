#include "connection/dialers/networkmanager/networkmanager_dialer.hpp"

#include <NetworkManager.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <utility>

#include "connection/dialers/networkmanager/interface_bytes.hpp"
#include "connection/dialers/networkmanager/state_reason_text.hpp"
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

// The dial an activation was asked for.
struct activation_request {
    networkmanager_dialer* dialer;
    unsigned dial;
};

// The network interface the link's traffic goes through: the one holding the
// link's address. A VPN's active connection names the device it runs over,
// not its tunnel.
std::string link_interface(NMActiveConnection* active) {
    for (NMIPConfig* config : {active ? nm_active_connection_get_ip4_config(active) : nullptr,
                               active ? nm_active_connection_get_ip6_config(active) : nullptr}) {
        GPtrArray* addresses = config ? nm_ip_config_get_addresses(config) : nullptr;
        for (guint i = 0; addresses && i < addresses->len; ++i) {
            auto* address = static_cast<NMIPAddress*>(g_ptr_array_index(addresses, i));
            std::string name = interface_with_address(nm_ip_address_get_address(address));
            if (!name.empty()) return name;
        }
    }
    return {};
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

networkmanager_dialer::networkmanager_dialer(event_loop& loop)
    : soon_(loop), client_(connect_client()), cancellable_(g_cancellable_new()) {
    if (!client_) return;
    g_signal_connect(client_, NM_CLIENT_ACTIVE_CONNECTION_ADDED,
                     G_CALLBACK(+[](NMClient*, NMActiveConnection* active, gpointer self) {
                         auto* d = static_cast<networkmanager_dialer*>(self);
                         d->watch(active);
                         d->follow_soon();
                     }),
                     this);
    g_signal_connect(client_, NM_CLIENT_ACTIVE_CONNECTION_REMOVED,
                     G_CALLBACK(+[](NMClient*, NMActiveConnection* active, gpointer self) {
                         g_signal_handlers_disconnect_by_data(active, self);
                         static_cast<networkmanager_dialer*>(self)->follow_soon();
                     }),
                     this);
    g_signal_connect_swapped(client_, "notify::" NM_CLIENT_NM_RUNNING,
                             G_CALLBACK(+[](networkmanager_dialer* d) { d->follow_soon(); }), this);
    // Taken from the bus, not from libnm: libnm may drop a link that ended
    // before its reason came, and the reason with it.
    reason_subscription_ = g_dbus_connection_signal_subscribe(
        nm_client_get_dbus_connection(client_), NM_DBUS_SERVICE,
        NM_DBUS_INTERFACE_ACTIVE_CONNECTION, "StateChanged", nullptr, nullptr,
        G_DBUS_SIGNAL_FLAGS_NONE,
        +[](GDBusConnection*, const char*, const char* path, const char*, const char*,
            GVariant* parameters, gpointer self) {
            guint32 state = 0, reason = 0;
            g_variant_get(parameters, "(uu)", &state, &reason);
            static_cast<networkmanager_dialer*>(self)->note_state(path, state, reason);
        },
        this, nullptr);
    const GPtrArray* actives = nm_client_get_active_connections(client_);
    for (guint i = 0; i < actives->len; ++i)
        watch(NM_ACTIVE_CONNECTION(g_ptr_array_index(actives, i)));
    refresh();
}

networkmanager_dialer::~networkmanager_dialer() {
    g_cancellable_cancel(cancellable_);
    g_object_unref(cancellable_);
    keep_answered_link(nullptr);
    if (!client_) return;
    g_dbus_connection_signal_unsubscribe(nm_client_get_dbus_connection(client_),
                                         reason_subscription_);
    const GPtrArray* actives = nm_client_get_active_connections(client_);
    for (guint i = 0; i < actives->len; ++i)
        g_signal_handlers_disconnect_by_data(g_ptr_array_index(actives, i), this);
    g_signal_handlers_disconnect_by_data(client_, this);
    g_object_unref(client_);
}

void networkmanager_dialer::watch(NMActiveConnection* active) {
    g_signal_connect_swapped(active, "notify::" NM_ACTIVE_CONNECTION_STATE,
                             G_CALLBACK(+[](networkmanager_dialer* d) { d->follow_soon(); }), this);
}

void networkmanager_dialer::follow_soon() {
    soon_.post([this] { follow_line(); });
}

// The reason may come after libnm has told of the end; an end not yet told
// is told then.
void networkmanager_dialer::note_state(const std::string& path, unsigned state, unsigned reason) {
    if (state >= NM_ACTIVE_CONNECTION_STATE_DEACTIVATING) end_reasons_[path] = reason;
    soon_.post([this] { tell_why_down(); });
}

bool networkmanager_dialer::ras_available() { return client_ && nm_client_get_nm_running(client_); }

// The on-demand profiles by name; equal names in the order of their uuids, so
// the list reads the same every time.
void networkmanager_dialer::refresh() {
    count_bytes();
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
    link_path_.clear();
    keep_answered_link(nullptr);
    end_reasons_.clear();
    untold_ = line::idle;
    bytes_.reset();
    ++dials_;
    NMRemoteConnection* profile = profile_named(entry_name_);
    // A profile that is not there never answers, as a bad number would not.
    profile_uuid_ = profile ? nm_connection_get_uuid(NM_CONNECTION(profile)) : "";
    if (!profile) return;
    // A refused activation is told; whatever else happens shows in the active
    // connections' states. Past the dialer's end the call is cancelled, and
    // then nothing here touches the dialer.
    activation_unanswered_ = true;
    nm_client_activate_connection_async(
        client_, NM_CONNECTION(profile), nullptr, nullptr, cancellable_,
        +[](GObject* client, GAsyncResult* result, gpointer request) {
            const std::unique_ptr<activation_request> asked(
                static_cast<activation_request*>(request));
            GError* error = nullptr;
            NMActiveConnection* active =
                nm_client_activate_connection_finish(NM_CLIENT(client), result, &error);
            if (error) g_dbus_error_strip_remote_error(error);
            if (!g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CANCELLED))
                asked->dialer->activation_answered(asked->dial, active,
                                                   error ? error->message : nullptr);
            if (active) g_object_unref(active);
            if (error) g_error_free(error);
        },
        new activation_request{this, dials_});
}

// The dial's link, as NetworkManager answered the activation with it. One
// that failed at once may be gone from the active connections already. A dial
// hung up meanwhile has its link taken down now.
void networkmanager_dialer::activation_answered(unsigned dial, NMActiveConnection* active,
                                                const char* refusal) {
    if (dial != dials_) return;
    activation_unanswered_ = false;
    keep_answered_link(active);
    if (active && line_ == line::hanging_up) {
        link_seen_ = true;
        deactivate(client_, active);
    } else if (active && line_ == line::dialing) {
        link_seen_ = true;
        link_path_ = nm_object_get_path(NM_OBJECT(active));
        follow_soon();
    } else if (refusal && line_ == line::dialing) {
        soon_.post([this, why = std::string(refusal)] { dial_failed(why); });
    }
}

// The line counts as down at once; NetworkManager's report that it is gone
// follows as the events. A dial whose link has not shown up yet is taken
// down when it does.
void networkmanager_dialer::hang_up() {
    if (line_ == line::idle) return;
    line_ = line::hanging_up;
    NMActiveConnection* active = active_of_profile();
    if (!is_live(active)) active = answered_link_;
    if (is_live(active)) {
        link_seen_ = true;
        deactivate(client_, active);
    }
}

void networkmanager_dialer::keep_answered_link(NMActiveConnection* active) {
    if (active) g_object_ref(active);
    if (answered_link_) g_object_unref(answered_link_);
    answered_link_ = active;
}

// A dial hung up before NetworkManager answered it brings its link up after
// the answer, which the program may not live to see: the answer is awaited
// here, and takes the link down.
void networkmanager_dialer::finish_hang_up() {
    if (line_ != line::hanging_up) return;
    GMainContext* context = nm_client_get_main_context(client_);
    const gint64 until = g_get_monotonic_time() + gint64{5} * G_USEC_PER_SEC;
    while (activation_unanswered_ && g_get_monotonic_time() < until)
        if (!g_main_context_iteration(context, FALSE)) g_usleep(G_USEC_PER_SEC / 200);
}

bool networkmanager_dialer::is_connected() { return line_ == line::up; }

int networkmanager_dialer::connection_state() {
    if (is_connected()) return ras_connected;
    return line_ == line::dialing ? ras_activating : ras_disconnected;
}

// Runs soon after every change NetworkManager reports about active
// connections. The line's new place is set before an event goes out, so
// handlers that let events run meanwhile see it.
void networkmanager_dialer::follow_line() {
    tell_why_down();
    NMActiveConnection* active = active_of_profile();
    if (active) link_path_ = nm_object_get_path(NM_OBJECT(active));
    if (line_ == line::hanging_up && is_live(active)) {
        link_seen_ = true;
        deactivate(client_, active);
        return;
    }
    if (line_ == line::dialing && is_live(active)) link_seen_ = true;
    if (line_ == line::dialing && is_activated(active)) {
        line_ = line::up;
        link_interface_.clear();
        count_bytes();
        state_changed();
        return;
    }
    if (line_ != line::idle && link_seen_ && !is_live(active)) {
        // Only a dial or a line that ended by itself has a reason to tell.
        if (line_ != line::hanging_up) untold_ = line_;
        line_ = line::idle;
        tell_why_down();
        state_changed();
        state_notice(0);
    }
}

// Tells why the dial or the line ended, once that is known.
void networkmanager_dialer::tell_why_down() {
    if (untold_ == line::idle) return;
    const auto reason = end_reasons_.find(link_path_);
    std::string why;
    if (!nm_client_get_nm_running(client_))
        why = "NetworkManager stopped";
    else if (reason != end_reasons_.end())
        why = state_reason_text(reason->second);
    else
        return;
    const line ended = std::exchange(untold_, line::idle);
    if (why.empty()) return;
    if (ended == line::dialing) dial_failed(why);
    if (ended == line::up) line_dropped(why);
}

// The interface goes with the line, so its counters are read while it is up.
// Its address may come a moment after the line is up.
void networkmanager_dialer::count_bytes() {
    if (line_ != line::up) return;
    if (link_interface_.empty()) link_interface_ = link_interface(active_of_profile());
    if (const auto counted = interface_bytes(link_interface_)) bytes_ = counted;
}

std::optional<line_bytes> networkmanager_dialer::bytes_carried() {
    count_bytes();
    return bytes_;
}

std::string networkmanager_dialer::entries_editor() const {
    const char* search_path = std::getenv("PATH");
    std::string found = find_in_path(connection_editor, search_path ? search_path : "");
    return found == connection_editor ? "" : found;
}

}  // namespace tw
