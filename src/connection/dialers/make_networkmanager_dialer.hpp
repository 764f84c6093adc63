#pragma once

#include <memory>

#include "connection/dialer.hpp"
#include "toolkit/event_loop.hpp"

namespace tw {

// The NetworkManager dialer where this build has one; elsewhere a dialer that
// reports no dialing service, so the program says so and ends.
std::unique_ptr<dialer> make_networkmanager_dialer(event_loop& loop);

}  // namespace tw
