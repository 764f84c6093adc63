#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "connection/dialer.hpp"
#include "toolkit/event_loop.hpp"

namespace tw {

// The dialer of this operating system that `choice` names ("" names the
// system's default); nullptr when it names none, and the simulated dialer serves.
std::unique_ptr<dialer> make_native_dialer(std::string_view choice, event_loop& loop,
                                           const std::string& default_phonebook);

}  // namespace tw
