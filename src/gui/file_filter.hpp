#pragma once

#include <string>

namespace tw {

// "Text|*.txt;*.log|All|*.*" -> "Text (*.txt *.log);;All (*)", the form
// Qt's file dialogs take; "*.*" stays every file, with a dot or not (a Linux
// program has none). A description without a pattern is dropped.
std::string qt_file_filter(const std::string& filter);

}  // namespace tw
