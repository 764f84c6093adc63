#pragma once

#include <string>
#include <vector>

#include "toolkit/file_filter.hpp"

namespace tw {

// "*.exe" is among the choice's patterns. A program here need not be named
// so: every file that may be executed counts as well.
bool takes_programs(const file_filter_choice& choice);

// The patterns as Qt matches them: "*.*" becomes "*", so that it matches
// names without a dot too, as on Windows.
std::vector<std::string> qt_patterns(const file_filter_choice& choice);

// "Description (patterns)" for a Qt dialog, which hides the last group: the
// user sees the description, with its patterns added when it names none, and
// Qt matches the group. A choice that takes programs lets Qt match
// every name and leaves the rest to the dialog.
std::string qt_name_filter(const file_filter_choice& choice);

}  // namespace tw
