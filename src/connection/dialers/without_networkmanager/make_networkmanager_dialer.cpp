#include "connection/dialers/make_networkmanager_dialer.hpp"

#include "connection/dialers/no_dialer.hpp"

namespace tw {

std::unique_ptr<dialer> make_networkmanager_dialer(event_loop&) {
    return std::make_unique<no_dialer>();
}

}  // namespace tw
