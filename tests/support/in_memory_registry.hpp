#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/registry.hpp"

namespace tw::testing {

// Keys of HKEY_LOCAL_MACHINE held in memory; paths and value names match
// without regard to case, as the registry's do. Records the access rights
// of every open.
class in_memory_registry : public registry {
public:
    void set(const std::string& path, const std::string& name, registry_value value);

    const std::vector<std::uint32_t>& access_asked() const { return access_asked_; }
    int keys_open() const { return keys_open_; }

    std::optional<key> open_key(std::uint32_t root, const std::string& path,
                                std::uint32_t access) override;
    std::optional<std::size_t> value_size(key k, const std::string& name) override;
    std::optional<registry_value> read_value(key k, const std::string& name,
                                             std::size_t capacity) override;
    void close_key(key) override { --keys_open_; }

private:
    const registry_value* find(key k, const std::string& name) const;

    std::map<std::string, std::map<std::string, registry_value>> keys_;
    std::vector<std::string> opened_;  // key k is opened_[k]
    std::vector<std::uint32_t> access_asked_;
    int keys_open_ = 0;
};

}  // namespace tw::testing
