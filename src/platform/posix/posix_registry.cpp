#include "platform/posix/posix_registry.hpp"

#include "platform/path_rules.hpp"
#include "platform/posix/find_in_path.hpp"

namespace tw {

namespace {

constexpr registry::key opener_key = 1;

}  // namespace

std::optional<registry::key> posix_registry::open_key(std::uint32_t root, const std::string& path,
                                                      std::uint32_t) {
    if (root != reg::local_machine ||
        lower(path) != lower(std::string(app_paths_key) + iexplore_key_name))
        return std::nullopt;
    opener_ = find_in_path("xdg-open", search_path_);
    if (opener_.find('/') == std::string::npos) return std::nullopt;
    return opener_key;
}

std::optional<std::size_t> posix_registry::value_size(key k, const std::string& name) {
    if (k != opener_key || !name.empty()) return std::nullopt;
    return opener_.size() + 1;
}

std::optional<registry_value> posix_registry::read_value(key k, const std::string& name,
                                                         std::size_t capacity) {
    if (k != opener_key || !name.empty() || capacity < opener_.size()) return std::nullopt;
    return registry_value{reg::string_type, opener_};
}

}  // namespace tw
