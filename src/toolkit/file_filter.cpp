#include "toolkit/file_filter.hpp"

#include <sstream>

namespace tw {

namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
    return parts;
}

}  // namespace

std::vector<file_filter_choice> file_filter_choices(const std::string& filter) {
    const std::vector<std::string> parts = split(filter, '|');
    std::vector<file_filter_choice> choices;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2)
        choices.push_back({parts[i], split(parts[i + 1], ';')});
    return choices;
}

std::string joined_patterns(const file_filter_choice& choice, const std::string& separator) {
    std::string joined;
    for (const std::string& pattern : choice.patterns)
        joined += (joined.empty() ? "" : separator) + pattern;
    return joined;
}

}  // namespace tw
