#pragma once

#include <string>
#include <vector>

#include "temp_folder.hpp"

typedef struct _GDBusConnection GDBusConnection;
typedef struct _GVariant GVariant;
typedef struct _GSubprocess GSubprocess;

namespace tw::testing {

// A private system bus (a dbus-daemon of its own) for the life of the object,
// with DBUS_SYSTEM_BUS_ADDRESS pointing at it, and on it python3-dbusmock's
// NetworkManager with one Ethernet device. Profiles activate at once there.
class mock_network_manager {
public:
    // Without `with_manager` the bus has no NetworkManager on it.
    explicit mock_network_manager(bool with_manager = true);
    ~mock_network_manager();
    mock_network_manager(const mock_network_manager&) = delete;
    mock_network_manager& operator=(const mock_network_manager&) = delete;

    // Why the mock could not start, a tool missing from the machine; "" when it runs.
    const std::string& unavailable() const { return unavailable_; }

    void add_profile(const std::string& name, const std::string& type);
    // The object paths of NetworkManager's active connections.
    std::vector<std::string> active_connections();
    // From now on a profile being activated stays activating until its active
    // connection is moved on by set_link_state.
    void hold_activations();
    // The active connection at `path` takes NetworkManager's state number
    // `state` (1 activating, 2 activated, 3 deactivating), as NetworkManager
    // reports it: the property changes and the StateChanged signal follows.
    void set_link_state(const std::string& path, unsigned state);

private:
    void start_bus();
    void start_manager();
    bool wait_for_manager();
    void call(const char* path, const char* interface, const char* method, GVariant* args);

    temp_folder folder_;
    GSubprocess* bus_process_ = nullptr;
    GSubprocess* manager_ = nullptr;
    GDBusConnection* bus_ = nullptr;
    std::string unavailable_;
};

// Runs what has arrived from the bus; with nothing there, waits for it up to
// two milliseconds of real time. For a simulated clock's outside events.
void take_bus_news();

}  // namespace tw::testing
