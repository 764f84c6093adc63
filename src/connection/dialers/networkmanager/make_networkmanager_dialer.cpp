#include "connection/dialers/make_networkmanager_dialer.hpp"

#include "connection/dialers/networkmanager/networkmanager_dialer.hpp"

namespace tw {

std::unique_ptr<dialer> make_networkmanager_dialer(event_loop& loop) {
    return std::make_unique<networkmanager_dialer>(loop);
}

}  // namespace tw
