#pragma once

#include <cstdint>
#include <string>

#include "platform/registry.hpp"

namespace tw {

// The text of a string value (REG_SZ) of the key `path` under `root`, read
// with the key opened for reading; "" when the key or the value is missing,
// the value is empty or of another type, or anything fails on the way.
std::string read_registry_string(registry& keys, std::uint32_t root, const std::string& path,
                                 const std::string& value_name);

}  // namespace tw
