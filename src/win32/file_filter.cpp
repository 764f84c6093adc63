#include "win32/file_filter.hpp"

#include "platform/windows/wide_text.hpp"
#include "toolkit/file_filter.hpp"

namespace tw {

std::wstring win32_file_filter(const std::string& filter) {
    std::wstring pairs;
    for (const file_filter_choice& choice : file_filter_choices(filter)) {
        pairs += widen(choice.description) + L'\0';
        pairs += widen(joined_patterns(choice, ";")) + L'\0';
    }
    return pairs + L'\0';
}

}  // namespace tw
