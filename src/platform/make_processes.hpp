#pragma once

#include <memory>

#include "platform/processes.hpp"

namespace tw {

// The processes service of the platform the program was built for.
std::unique_ptr<processes> make_processes();

}  // namespace tw
