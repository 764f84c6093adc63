#pragma once

#include <memory>

#include "platform/browser_rules.hpp"
#include "platform/dde_client.hpp"
#include "platform/processes.hpp"
#include "platform/registry.hpp"

namespace tw {

// What the platform the program was built for offers to find and drive a
// web browser.
std::unique_ptr<registry> make_registry();
// `programs` starts the browser where the platform has no DDE.
std::unique_ptr<dde_client> make_dde_client(processes& programs);
browser_rules native_browser_rules();

}  // namespace tw
