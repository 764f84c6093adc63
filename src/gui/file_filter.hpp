#pragma once

#include <string>

namespace tw {

// "Text|*.txt;*.log|All (*.*)|*.*" -> "Text (*.txt *.log) (*.txt *.log);;All (*.*) (*)",
// for a Qt file dialog that hides the last group of each filter: the user
// sees the description (with its patterns when it names none), Qt matches
// the last group. "*.*" matches every name, those without a dot too, as it
// does on Windows. A description without a pattern is dropped.
std::string qt_file_filter(const std::string& filter);

}  // namespace tw
