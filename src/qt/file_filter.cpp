#include "qt/file_filter.hpp"

#include <algorithm>

namespace tw {

bool takes_programs(const file_filter_choice& choice) {
    return std::find(choice.patterns.begin(), choice.patterns.end(), "*.exe") !=
           choice.patterns.end();
}

std::vector<std::string> qt_patterns(const file_filter_choice& choice) {
    std::vector<std::string> patterns = choice.patterns;
    std::replace(patterns.begin(), patterns.end(), std::string("*.*"), std::string("*"));
    return patterns;
}

std::string qt_name_filter(const file_filter_choice& choice) {
    std::string shown = choice.description;
    if (shown.find('(') == std::string::npos) shown += " (" + joined_patterns(choice, " ") + ")";
    const file_filter_choice matched{choice.description, qt_patterns(choice)};
    return shown + " (" + (takes_programs(choice) ? "*" : joined_patterns(matched, " ")) + ")";
}

}  // namespace tw
