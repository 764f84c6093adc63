#pragma once

#include <string>
#include <vector>

namespace tw {

// One choice of a "Description|*.a;*.b|All (*.*)|*.*" filter.
struct file_filter_choice {
    // What the user sees, with its patterns added when it names none.
    std::string description;
    // "*.*" is kept as "*": it matches every name, those without a dot too,
    // as it does on Windows.
    std::vector<std::string> patterns;

    // "*.exe" is among the patterns. A program here need not be named so:
    // every file that may be executed counts as well.
    bool takes_programs() const;
    // "Description (patterns)" for a Qt dialog that hides the last group: the
    // user sees the description, Qt matches the group. A choice that takes
    // programs lets Qt match every name and leaves the rest to the dialog.
    std::string qt_name_filter() const;
};

// The choices of `filter` in order; a description without a pattern is dropped.
std::vector<file_filter_choice> file_filter_choices(const std::string& filter);

}  // namespace tw
