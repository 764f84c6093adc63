#include "in_memory_registry.hpp"

#include "platform/path_rules.hpp"

namespace tw::testing {

void in_memory_registry::set(const std::string& path, const std::string& name,
                             registry_value value) {
    keys_[lower(path)][lower(name)] = std::move(value);
}

std::optional<registry::key> in_memory_registry::open_key(std::uint32_t root,
                                                          const std::string& path,
                                                          std::uint32_t access) {
    access_asked_.push_back(access);
    if (root != reg::local_machine || !keys_.contains(lower(path))) return std::nullopt;
    opened_.push_back(lower(path));
    ++keys_open_;
    return opened_.size() - 1;
}

const registry_value* in_memory_registry::find(key k, const std::string& name) const {
    const auto& values = keys_.at(opened_.at(k));
    const auto found = values.find(lower(name));
    return found == values.end() ? nullptr : &found->second;
}

std::optional<std::size_t> in_memory_registry::value_size(key k, const std::string& name) {
    const registry_value* value = find(k, name);
    if (!value) return std::nullopt;
    return value->data.size() + (value->type == reg::string_type ? 1 : 0);
}

std::optional<registry_value> in_memory_registry::read_value(key k, const std::string& name,
                                                             std::size_t capacity) {
    const registry_value* value = find(k, name);
    if (!value || value->data.size() > capacity) return std::nullopt;
    return *value;
}

}  // namespace tw::testing
