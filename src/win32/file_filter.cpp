#include "win32/file_filter.hpp"

#include <sstream>
#include <vector>

#include "platform/windows/wide_text.hpp"

namespace tw {

std::wstring win32_file_filter(const std::string& filter) {
    std::vector<std::string> parts;
    std::istringstream in(filter);
    for (std::string part; std::getline(in, part, '|');) parts.push_back(part);
    std::wstring pairs;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        pairs += widen(parts[i]) + L'\0';
        pairs += widen(parts[i + 1]) + L'\0';
    }
    return pairs + L'\0';
}

}  // namespace tw
