#include "gui/file_filter.hpp"

#include <algorithm>
#include <sstream>
#include <vector>

namespace tw {

namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
    return parts;
}

}  // namespace

std::string qt_file_filter(const std::string& filter) {
    const std::vector<std::string> parts = split(filter, '|');
    std::string result;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string patterns = parts[i + 1];
        std::replace(patterns.begin(), patterns.end(), ';', ' ');
        // "*.*" means every file on Windows; to Qt elsewhere only names with a dot.
        if (patterns == "*.*") patterns = "*";
        if (!result.empty()) result += ";;";
        result += parts[i] + " (" + patterns + ")";
    }
    return result;
}

}  // namespace tw
