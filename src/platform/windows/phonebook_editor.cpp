#include "platform/phonebook_editor.hpp"

#include "platform/path_rules.hpp"
#include "platform/windows/windows_system_info.hpp"

namespace tw {

// The system's own editor; it edits the system phone book and takes no parameters.
editor_command phonebook_editor(const std::string&) {
    return {native_paths().join(windows_system_directory(), "rasphone.exe"), ""};
}

}  // namespace tw
