#include "connection/dialers/native_dialer.hpp"

#include "connection/dialers/no_dialer.hpp"
#include "connection/dialers/ras_dialer.hpp"
#include "connection/dialers/windows/system_ras.hpp"

namespace tw {

// Remote access is what a Windows user dials with, so it is the default here.
// Without it the program starts all the same, to say so.
std::unique_ptr<dialer> make_native_dialer(std::string_view choice, event_loop& loop,
                                           const std::string& default_phonebook) {
    if (!choice.empty() && choice != "ras") return nullptr;
    auto functions = system_ras();
    if (!functions) return std::make_unique<no_dialer>();
    return std::make_unique<ras_dialer>(loop, std::move(*functions), default_phonebook);
}

}  // namespace tw
