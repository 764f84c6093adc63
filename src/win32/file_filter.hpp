#pragma once

#include <string>

namespace tw {

// "Text|*.txt;*.log|All|*.*" -> L"Text\0*.txt;*.log\0All\0*.*\0\0", the
// pairs of description and patterns the system's file dialog takes. A
// description without patterns is dropped.
std::wstring win32_file_filter(const std::string& filter);

}  // namespace tw
