#pragma once

#include "platform/registry.hpp"

namespace tw {

// The system registry through RegOpenKeyExA, RegQueryValueExA and RegCloseKey.
class windows_registry : public registry {
public:
    std::optional<key> open_key(std::uint32_t root, const std::string& path,
                                std::uint32_t access) override;
    std::optional<std::size_t> value_size(key k, const std::string& name) override;
    std::optional<registry_value> read_value(key k, const std::string& name,
                                             std::size_t capacity) override;
    void close_key(key k) override;
};

}  // namespace tw
