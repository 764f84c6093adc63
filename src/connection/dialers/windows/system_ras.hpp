#pragma once

#include <optional>

#include "connection/dialers/ras_api.hpp"

namespace tw {

// The table over rasapi32's wide-character functions, loaded from the
// system's folder when first asked for; nullopt on a system without remote
// access, which the program then tells its user instead of failing to start.
std::optional<ras_api> system_ras();

}  // namespace tw
