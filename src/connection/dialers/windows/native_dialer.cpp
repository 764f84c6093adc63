#include "connection/dialers/native_dialer.hpp"

#include "connection/dialers/ras_dialer.hpp"
#include "connection/dialers/windows/system_ras.hpp"

namespace tw {

// Remote access is what a Windows user dials with, so it is the default here.
std::unique_ptr<dialer> make_native_dialer(std::string_view choice, event_loop& loop,
                                           const std::string& default_phonebook) {
    if (!choice.empty() && choice != "ras") return nullptr;
    return std::make_unique<ras_dialer>(loop, system_ras(), default_phonebook);
}

}  // namespace tw
