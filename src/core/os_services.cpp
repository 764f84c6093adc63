#include "core/os_services.hpp"

#include <cstdlib>

#include "connection/dialers/make_dialer.hpp"
#include "connection/phone_book.hpp"
#include "platform/browser_platform.hpp"
#include "platform/make_processes.hpp"

namespace tw {

os_services::os_services(event_loop& loop, const system_info& system)
    : processes_(make_processes()),
      dialer_(make_dialer(std::getenv("TARNWICK_DIALER"), loop,
                          default_phonebook(system.system_directory()))),
      registry_(make_registry()),
      dde_client_(make_dde_client(*processes_)) {}

services os_services::with(event_loop& loop, dialogs& ui, system_info& system,
                           application& app) const {
    return {loop, ui, *dialer_, *processes_, system, app, *registry_, *dde_client_};
}

}  // namespace tw
