#include "platform/browser_platform.hpp"

#include "platform/windows/windows_dde_client.hpp"
#include "platform/windows/windows_registry.hpp"

namespace tw {

std::unique_ptr<registry> make_registry() { return std::make_unique<windows_registry>(); }

// Windows talks to the browser itself; it is started by the program only
// when nobody answers.
std::unique_ptr<dde_client> make_dde_client(processes&) {
    return std::make_unique<windows_dde_client>();
}

browser_rules native_browser_rules() { return browser_rules::named_browsers; }

}  // namespace tw
