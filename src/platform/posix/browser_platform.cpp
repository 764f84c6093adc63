#include "platform/browser_platform.hpp"

#include <cstdlib>

#include "platform/posix/posix_dde_client.hpp"
#include "platform/posix/posix_registry.hpp"

namespace tw {

std::unique_ptr<registry> make_registry() {
    const char* search_path = std::getenv("PATH");
    return std::make_unique<posix_registry>(search_path ? search_path : "");
}

std::unique_ptr<dde_client> make_dde_client(processes& programs) {
    return std::make_unique<posix_dde_client>(programs);
}

browser_rules native_browser_rules() { return browser_rules::any_program; }

}  // namespace tw
