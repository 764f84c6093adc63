#pragma once

#include <string>
#include <vector>

namespace tw {

// One choice of a file dialog's filter, "Description|*.a;*.b|All (*.*)|*.*".
struct file_filter_choice {
    std::string description;
    std::vector<std::string> patterns;  // as written: "*.txt", "*.*"
};

// The choices of `filter` in order; a description without a pattern is dropped.
std::vector<file_filter_choice> file_filter_choices(const std::string& filter);

// The patterns as the filter writes them, joined by `separator`.
std::string joined_patterns(const file_filter_choice& choice, const std::string& separator);

}  // namespace tw
