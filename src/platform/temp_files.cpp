#include "platform/temp_files.hpp"

#include <charconv>

namespace tw {

namespace {
constexpr std::string_view temp_infix = ".tmp-";
}

std::string temp_file_name(std::string_view file_name, std::uint64_t pid, unsigned serial) {
    return std::string(file_name)
        .append(temp_infix)
        .append(std::to_string(pid))
        .append("-")
        .append(std::to_string(serial));
}

std::uint64_t temp_file_writer(std::string_view file_name, std::string_view candidate) {
    if (!candidate.starts_with(file_name)) return 0;
    candidate.remove_prefix(file_name.size());
    if (!candidate.starts_with(temp_infix)) return 0;
    candidate.remove_prefix(temp_infix.size());
    std::uint64_t pid = 0;
    unsigned serial = 0;
    const char* end = candidate.data() + candidate.size();
    const auto [dash, pid_error] = std::from_chars(candidate.data(), end, pid);
    if (pid_error != std::errc() || dash == end || *dash != '-') return 0;
    const auto [rest, serial_error] = std::from_chars(dash + 1, end, serial);
    return serial_error == std::errc() && rest == end ? pid : 0;
}

}  // namespace tw
