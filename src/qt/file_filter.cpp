#include "qt/file_filter.hpp"

#include <algorithm>
#include <sstream>

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

bool file_filter_choice::takes_programs() const {
    return std::find(patterns.begin(), patterns.end(), "*.exe") != patterns.end();
}

std::string file_filter_choice::qt_name_filter() const {
    return description + " (" + (takes_programs() ? "*" : join(patterns)) + ")";
}

std::vector<file_filter_choice> file_filter_choices(const std::string& filter) {
    const std::vector<std::string> parts = split(filter, '|');
    std::vector<file_filter_choice> choices;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        file_filter_choice choice{parts[i], split(parts[i + 1], ';')};
        if (choice.description.find('(') == std::string::npos)
            choice.description += " (" + join(choice.patterns) + ")";
        std::replace(choice.patterns.begin(), choice.patterns.end(), std::string("*.*"),
                     std::string("*"));
        choices.push_back(std::move(choice));
    }
    return choices;
}

}  // namespace tw
