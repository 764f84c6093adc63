#include "connection/dialers/make_dialer.hpp"

#include <string_view>

#include "connection/dialers/make_networkmanager_dialer.hpp"
#include "connection/dialers/native_dialer.hpp"
#include "connection/dialers/no_dialer.hpp"
#include "connection/dialers/simulated_dialer.hpp"

namespace tw {

std::unique_ptr<dialer> make_dialer(const char* choice, event_loop& loop,
                                    const std::string& default_phonebook) {
    const std::string_view name = choice ? choice : "";
    if (name == "none") return std::make_unique<no_dialer>();
    if (name == "networkmanager") return make_networkmanager_dialer(loop);
    if (auto native = make_native_dialer(name, loop, default_phonebook)) return native;
    return std::make_unique<simulated_dialer>(loop, default_phonebook);
}

}  // namespace tw
