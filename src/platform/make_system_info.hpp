#pragma once

#include <memory>

#include "platform/system_info.hpp"

namespace tw {

// The system info of the platform the program was built for.
std::unique_ptr<system_info> make_system_info();

}  // namespace tw
