#include "web/registry_string.hpp"

#include <exception>
#include <optional>

namespace tw {

namespace {

// Closes the key on every way out.
class open_key {
public:
    open_key(registry& keys, registry::key k) : keys_(keys), key_(k) {}
    ~open_key() { keys_.close_key(key_); }
    open_key(const open_key&) = delete;
    open_key& operator=(const open_key&) = delete;

    registry::key get() const { return key_; }

private:
    registry& keys_;
    registry::key key_;
};

}  // namespace

std::string read_registry_string(registry& keys, std::uint32_t root, const std::string& path,
                                 const std::string& value_name) {
    try {
        const std::optional<registry::key> opened = keys.open_key(root, path, reg::key_read);
        if (!opened) return "";
        const open_key key(keys, *opened);
        // The size counts the terminating zero, which the buffer leaves out.
        const std::optional<std::size_t> size = keys.value_size(key.get(), value_name);
        const std::size_t capacity = size && *size >= 1 ? *size - 1 : 1;
        const std::optional<registry_value> value =
            keys.read_value(key.get(), value_name, capacity);
        if (!value || value->type != reg::string_type) return "";
        return value->data;
    } catch (const std::exception&) {
        return "";
    }
}

}  // namespace tw
