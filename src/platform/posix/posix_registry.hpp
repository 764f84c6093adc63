#pragma once

#include <string>

#include "platform/registry.hpp"

namespace tw {

// The registry of a system that has none. Only the App Paths key of the
// second browser exists, and only while `search_path` holds the desktop's
// opener, xdg-open: its default value is then the opener's path. Choosing a
// browser thus fills in the desktop's default browser without asking.
class posix_registry : public registry {
public:
    explicit posix_registry(std::string search_path) : search_path_(std::move(search_path)) {}

    std::optional<key> open_key(std::uint32_t root, const std::string& path,
                                std::uint32_t access) override;
    std::optional<std::size_t> value_size(key k, const std::string& name) override;
    std::optional<registry_value> read_value(key k, const std::string& name,
                                             std::size_t capacity) override;
    void close_key(key) override {}

private:
    std::string search_path_;
    std::string opener_;  // the opener found when the key was opened
};

}  // namespace tw
