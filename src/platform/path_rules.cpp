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

std::string path_rules::stored(std::string path) const {
    return case_sensitive ? path : lower(std::move(path));
}

std::string path_rules::join(std::string_view folder, std::string_view name) const {
    std::string path(folder);
    path += separator;
    path += name;
    return path;
}

}  // namespace tw
