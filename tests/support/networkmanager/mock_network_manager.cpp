#include "mock_network_manager.hpp"

#include <gio/gio.h>
#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>

namespace tw::testing {

namespace {

constexpr const char* mock_object = "/org/freedesktop";
constexpr const char* mock_interface = "org.freedesktop.DBus.Mock";
constexpr const char* manager_object = "/org/freedesktop/NetworkManager";
constexpr const char* manager_name = "org.freedesktop.NetworkManager";
constexpr const char* device = "/org/freedesktop/NetworkManager/Devices/eth0";
constexpr const char* active_interface = "org.freedesktop.NetworkManager.Connection.Active";

// The mock's own activation with the new connection left activating (state 1).
constexpr const char* held_activation =
    "ret = dbus.ObjectPath(self.AddActiveConnection("
    "[args[1]] if args[1] != '/' else [], args[0], args[2], 'held%d' % len(objects), "
    "dbus.UInt32(1)))";

// Standard error, and standard output unless `flags` pipe it, go to `log_file`.
GSubprocess* spawn(GSubprocessFlags flags, const std::string& log_file,
                   std::initializer_list<const char*> argv) {
    GSubprocessLauncher* launcher = g_subprocess_launcher_new(flags);
    if (!(flags & G_SUBPROCESS_FLAGS_STDOUT_PIPE))
        g_subprocess_launcher_set_stdout_file_path(launcher, log_file.c_str());
    else
        g_subprocess_launcher_set_stderr_file_path(launcher, log_file.c_str());
    std::vector<const char*> args(argv);
    args.push_back(nullptr);
    GSubprocess* process = g_subprocess_launcher_spawnv(launcher, args.data(), nullptr);
    g_object_unref(launcher);
    return process;
}

void stop(GSubprocess* process) {
    if (!process) return;
    g_subprocess_send_signal(process, SIGTERM);
    g_subprocess_wait(process, nullptr, nullptr);
    g_object_unref(process);
}

}  // namespace

mock_network_manager::mock_network_manager(bool with_manager) {
    start_bus();
    if (unavailable_.empty() && with_manager) start_manager();
}

mock_network_manager::~mock_network_manager() {
    // Clients gone before the bus end their business with it first.
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
    if (bus_) {
        g_dbus_connection_close_sync(bus_, nullptr, nullptr);
        g_object_unref(bus_);
    }
    stop(manager_);
    stop(bus_process_);
    ::unsetenv("DBUS_SYSTEM_BUS_ADDRESS");
}

void mock_network_manager::start_bus() {
    const std::string listen = "--address=unix:path=" + (folder_ / "bus");
    bus_process_ =
        spawn(G_SUBPROCESS_FLAGS_STDOUT_PIPE, folder_ / "bus.err",
              {"dbus-daemon", "--session", "--nofork", "--print-address", listen.c_str()});
    char* address = nullptr;
    if (bus_process_) {
        GDataInputStream* out = g_data_input_stream_new(g_subprocess_get_stdout_pipe(bus_process_));
        address = g_data_input_stream_read_line(out, nullptr, nullptr, nullptr);
        g_object_unref(out);
    }
    if (!address) {
        unavailable_ = "dbus-daemon (Debian package dbus) does not run here";
        return;
    }
    ::setenv("DBUS_SYSTEM_BUS_ADDRESS", address, 1);
    bus_ = g_dbus_connection_new_for_address_sync(
        address,
        GDBusConnectionFlags(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                             G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, nullptr);
    g_free(address);
    if (!bus_) throw std::runtime_error("the private bus does not answer");
}

// Debian's python3-dbusmock installs for the system's Python, whatever
// `python3` on PATH is.
void mock_network_manager::start_manager() {
    manager_ = spawn(G_SUBPROCESS_FLAGS_STDERR_MERGE, folder_ / "mock.err",
                     {"/usr/bin/python3", "-m", "dbusmock", "--template", "networkmanager"});
    if (!wait_for_manager()) {
        unavailable_ = "python3-dbusmock (Debian package) does not run here: " +
                       read_file(folder_ / "mock.err");
        return;
    }
    call(mock_object, mock_interface, "AddEthernetDevice",
         g_variant_new_parsed("('eth0', 'eth0', 30)"));
}

// The mock needs a moment to take its name; a mock that ended lacks a piece.
bool mock_network_manager::wait_for_manager() {
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (manager_ && g_subprocess_get_identifier(manager_) &&
           std::chrono::steady_clock::now() < limit) {
        GVariant* owned = g_dbus_connection_call_sync(
            bus_, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
            "NameHasOwner", g_variant_new("(s)", manager_name), G_VARIANT_TYPE("(b)"),
            G_DBUS_CALL_FLAGS_NONE, -1, nullptr, nullptr);
        gboolean has_owner = FALSE;
        if (owned) {
            g_variant_get(owned, "(b)", &has_owner);
            g_variant_unref(owned);
        }
        if (has_owner) return true;
        g_usleep(20000);
    }
    return false;
}

void mock_network_manager::call(const char* path, const char* interface, const char* method,
                                GVariant* args) {
    GError* error = nullptr;
    GVariant* reply =
        g_dbus_connection_call_sync(bus_, manager_name, path, interface, method, args, nullptr,
                                    G_DBUS_CALL_FLAGS_NONE, -1, nullptr, &error);
    if (!reply) {
        const std::string message = error->message;
        g_error_free(error);
        throw std::runtime_error(std::string(method) + ": " + message);
    }
    g_variant_unref(reply);
}

void mock_network_manager::add_profile(const std::string& name, const std::string& type) {
    call("/org/freedesktop/NetworkManager/Settings", "org.freedesktop.NetworkManager.Settings",
         "AddConnection",
         g_variant_new_parsed("({'connection': {'id': <%s>, 'type': <%s>}},)", name.c_str(),
                              type.c_str()));
}

std::vector<std::string> mock_network_manager::active_connections() {
    GVariant* reply = g_dbus_connection_call_sync(
        bus_, manager_name, manager_object, "org.freedesktop.DBus.Properties", "Get",
        g_variant_new("(ss)", manager_name, "ActiveConnections"), G_VARIANT_TYPE("(v)"),
        G_DBUS_CALL_FLAGS_NONE, -1, nullptr, nullptr);
    if (!reply) return {};
    GVariant* list = nullptr;
    g_variant_get(reply, "(v)", &list);
    gsize count = 0;
    const gchar** objects = g_variant_get_objv(list, &count);
    std::vector<std::string> paths(objects, objects + count);
    g_free(objects);
    g_variant_unref(list);
    g_variant_unref(reply);
    return paths;
}

void mock_network_manager::hold_activations() {
    call(manager_object, mock_interface, "AddMethod",
         g_variant_new("(sssss)", manager_name, "ActivateConnection", "ooo", "o", held_activation));
}

void mock_network_manager::set_link_state(const std::string& path, unsigned state) {
    call(mock_object, mock_interface, "SetProperty",
         g_variant_new("(sssv)", path.c_str(), active_interface, "State",
                       g_variant_new_uint32(state)));
    GVariant* reason = g_variant_new_variant(g_variant_new_uint32(0));
    GVariant* arguments[] = {g_variant_new_variant(g_variant_new_uint32(state)), reason};
    call(path.c_str(), mock_interface, "EmitSignal",
         g_variant_new("(sss@av)", active_interface, "StateChanged", "uu",
                       g_variant_new_array(G_VARIANT_TYPE_VARIANT, arguments, 2)));
}

void take_bus_news() {
    if (!g_main_context_pending(nullptr)) {
        bool waited = false;
        const guint timeout = g_timeout_add(
            2,
            +[](gpointer flag) {
                *static_cast<bool*>(flag) = true;
                return G_SOURCE_REMOVE;
            },
            &waited);
        g_main_context_iteration(nullptr, TRUE);
        if (!waited) g_source_remove(timeout);
    }
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
}

}  // namespace tw::testing
