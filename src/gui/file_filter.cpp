#include "gui/file_filter.hpp"

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

std::string join(const std::vector<std::string>& parts) {
    std::string joined;
    for (const std::string& part : parts) joined += (joined.empty() ? "" : " ") + part;
    return joined;
}

}  // namespace

std::string qt_file_filter(const std::string& filter) {
    const std::vector<std::string> parts = split(filter, '|');
    std::string result;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::vector<std::string> patterns = split(parts[i + 1], ';');
        std::string shown = parts[i];
        if (shown.find('(') == std::string::npos) shown += " (" + join(patterns) + ")";
        for (std::string& pattern : patterns)
            if (pattern == "*.*") pattern = "*";
        if (!result.empty()) result += ";;";
        result += shown + " (" + join(patterns) + ")";
    }
    return result;
}

}  // namespace tw
