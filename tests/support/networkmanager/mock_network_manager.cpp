#include "mock_network_manager.hpp"

#include <fcntl.h>
#include <gio/gio.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <vector>

extern char** environ;

namespace tw::testing {

namespace {

constexpr const char* mock_object = "/org/freedesktop";
constexpr const char* mock_interface = "org.freedesktop.DBus.Mock";
constexpr const char* manager_object = "/org/freedesktop/NetworkManager";
constexpr const char* manager_name = "org.freedesktop.NetworkManager";
constexpr const char* device = "/org/freedesktop/NetworkManager/Devices/eth0";
// Debian's python3-dbusmock installs for the system's Python, whatever
// `python3` on PATH is.
constexpr const char* system_python = "/usr/bin/python3";

// Standard output goes to `out_fd`, or with standard error to `log_file`.
pid_t spawn(std::vector<std::string> argv, int out_fd, const std::string& log_file) {
    std::vector<char*> args;
    for (auto& a : argv) args.push_back(a.data());
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, log_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    if (out_fd >= 0)
        posix_spawn_file_actions_adddup2(&actions, out_fd, 1);
    else
        posix_spawn_file_actions_adddup2(&actions, 2, 1);
    pid_t pid = -1;
    const int failed = ::posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed ? -1 : pid;
}

void stop(pid_t pid) {
    if (pid <= 0) return;
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
}

std::string first_line(int fd) {
    std::string line;
    char c = 0;
    while (::read(fd, &c, 1) == 1 && c != '\n') line += c;
    return line;
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
    stop(manager_pid_);
    stop(bus_pid_);
    ::unsetenv("DBUS_SYSTEM_BUS_ADDRESS");
}

void mock_network_manager::start_bus() {
    int pipe_fds[2];
    if (::pipe(pipe_fds) != 0) throw std::runtime_error("no pipe");
    bus_pid_ = spawn({"dbus-daemon", "--session", "--nofork", "--print-address",
                      "--address=unix:path=" + (folder_ / "bus")},
                     pipe_fds[1], folder_ / "bus.err");
    ::close(pipe_fds[1]);
    const std::string address = bus_pid_ > 0 ? first_line(pipe_fds[0]) : "";
    ::close(pipe_fds[0]);
    if (address.empty()) {
        unavailable_ = "dbus-daemon (Debian package dbus) does not run here";
        return;
    }
    ::setenv("DBUS_SYSTEM_BUS_ADDRESS", address.c_str(), 1);
    bus_ = g_dbus_connection_new_for_address_sync(
        address.c_str(),
        GDBusConnectionFlags(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                             G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, nullptr);
    if (!bus_) throw std::runtime_error("the private bus does not answer");
}

void mock_network_manager::start_manager() {
    manager_pid_ = spawn({system_python, "-m", "dbusmock", "--template", "networkmanager"}, -1,
                         folder_ / "mock.err");
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
    while (std::chrono::steady_clock::now() < limit) {
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
        if (manager_pid_ <= 0 || ::waitpid(manager_pid_, nullptr, WNOHANG) == manager_pid_) {
            manager_pid_ = -1;
            return false;
        }
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
    std::vector<std::string> paths;
    if (!reply) return paths;
    GVariant* list = nullptr;
    g_variant_get(reply, "(v)", &list);
    GVariantIter iter;
    g_variant_iter_init(&iter, list);
    const gchar* path = nullptr;
    while (g_variant_iter_next(&iter, "&o", &path)) paths.emplace_back(path);
    g_variant_unref(list);
    g_variant_unref(reply);
    return paths;
}

void mock_network_manager::drop_lines() {
    for (const std::string& path : active_connections()) {
        call(mock_object, mock_interface, "RemoveActiveConnection",
             g_variant_new("(ss)", device, path.c_str()));
    }
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
