#pragma once

#include "connection/dialers/ras_api.hpp"

namespace tw {

// The table over rasapi32's wide-character functions.
ras_api system_ras();

}  // namespace tw
