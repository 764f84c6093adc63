#pragma once

#include <memory>

#include "program.hpp"

namespace tw {

// The services this OS gives the program beyond its view: task processes, the
// dialer TARNWICK_DIALER names (over the system's default phone book), the
// registry and DDE. Both the Qt and the Win32 entry points start from them.
class os_services {
public:
    os_services(event_loop& loop, const system_info& system);

    // Everything the program runs on, with the view's own three services.
    services with(event_loop& loop, dialogs& ui, system_info& system, application& app) const;

private:
    std::unique_ptr<processes> processes_;
    std::unique_ptr<dialer> dialer_;
    std::unique_ptr<registry> registry_;
    std::unique_ptr<dde_client> dde_client_;
};

}  // namespace tw
