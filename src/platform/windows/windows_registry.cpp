#include "platform/windows/windows_registry.hpp"

#include <windows.h>

#include <algorithm>

namespace tw {

namespace {

// The predefined keys are 32-bit values that the system sign-extends into
// a handle (HKEY_LOCAL_MACHINE is (HKEY)(ULONG_PTR)(LONG)0x80000002).
HKEY root_handle(std::uint32_t root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

HKEY handle(registry::key k) { return reinterpret_cast<HKEY>(k); }

}  // namespace

std::optional<registry::key> windows_registry::open_key(std::uint32_t root, const std::string& path,
                                                        std::uint32_t access) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(root_handle(root), path.c_str(), 0, access, &opened) != ERROR_SUCCESS)
        return std::nullopt;
    return reinterpret_cast<key>(opened);
}

std::optional<std::size_t> windows_registry::value_size(key k, const std::string& name) {
    DWORD size = 0;
    if (::RegQueryValueExA(handle(k), name.c_str(), nullptr, nullptr, nullptr, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return size;
}

std::optional<registry_value> windows_registry::read_value(key k, const std::string& name,
                                                           std::size_t capacity) {
    std::string buffer(capacity + 1, '\0');  // room for a string's terminating zero
    DWORD size = static_cast<DWORD>(buffer.size());
    DWORD type = 0;
    if (::RegQueryValueExA(handle(k), name.c_str(), nullptr, &type,
                           reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS)
        return std::nullopt;
    buffer.resize(std::min<std::size_t>(size, buffer.size()));
    return registry_value{type, buffer.substr(0, buffer.find('\0'))};
}

void windows_registry::close_key(key k) { ::RegCloseKey(handle(k)); }

}  // namespace tw
