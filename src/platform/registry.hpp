#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace tw {

// The values the Windows registry functions take and give, by their numbers.
namespace reg {
constexpr std::uint32_t local_machine = 0x80000002;  // HKEY_LOCAL_MACHINE
constexpr std::uint32_t key_read = 131097;           // KEY_READ
constexpr std::uint32_t string_type = 1;             // REG_SZ
}  // namespace reg

// Where Windows records the paths of installed programs; the default value of
// a program's key is the program's path.
inline constexpr const char* app_paths_key =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
inline constexpr const char* netscape_key_name = "Netscape.exe";
inline constexpr const char* iexplore_key_name = "IEXPLORE.EXE";

struct registry_value {
    std::uint32_t type;
    std::string data;  // a string's text, without its terminating zero
};

// Reading the system registry, as its open/query/close functions do. A key
// handle is good until closed; "" names a key's default value.
class registry {
public:
    using key = std::uintptr_t;

    virtual ~registry() = default;

    virtual std::optional<key> open_key(std::uint32_t root, const std::string& path,
                                        std::uint32_t access) = 0;
    // The value's size in bytes, a string's terminating zero included.
    virtual std::optional<std::size_t> value_size(key k, const std::string& name) = 0;
    // The value read into a buffer of `capacity` characters (plus a string's
    // terminating zero); nothing when it is missing or does not fit.
    virtual std::optional<registry_value> read_value(key k, const std::string& name,
                                                     std::size_t capacity) = 0;
    virtual void close_key(key k) = 0;
};

}  // namespace tw
