#include "platform/path_rules.hpp"

#include <algorithm>

namespace tw {

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : char(c);
    });
    return text;
}

std::string trim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::filesystem::path file_path(std::string_view utf8) {
    return std::u8string_view(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size());
}

std::string utf8_path(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string path_rules::stored(std::string path) const {
    return case_sensitive ? path : lower(std::move(path));
}

std::string path_rules::join(std::string_view folder, std::string_view name) const {
    std::string path(folder);
    path += separator;
    path += name;
    return path;
}

// Drive letters compare without case: a stored "Z:\\..." lies on the drive a
// drive list names "z:".
std::string path_rules::drive_of(std::string_view path) const {
    if (separator == '/') return path.starts_with('/') ? "/" : "";
    return path.size() >= 2 && path[1] == ':' ? lower(std::string(path.substr(0, 2))) : "";
}

std::string path_rules::stored_parameters(std::string_view command_line) const {
    return stored(trim(command_line));
}

}  // namespace tw
