#pragma once

#include <string>

#include "platform/system_info.hpp"

namespace tw {

// The system folder (GetSystemDirectoryW), without a trailing separator.
std::string windows_system_directory();

// The Windows machine, of the NT family. The program folder is the
// executable's folder, so a copied program is self-contained; when that folder
// is not writable (an install under Program Files) it is %APPDATA%\Tarnwick,
// or every setting would be lost at each exit. The start-up creates it.
class windows_system_info : public system_info {
public:
    windows_system_info();

    int platform_number() const override { return 2; }
    std::string system_directory() const override { return windows_system_directory(); }
    std::string program_folder() const override { return program_folder_; }
    std::string help_page() const override { return help_page_; }
    // %USERPROFILE%.
    std::string home_folder() const override;

private:
    std::string program_folder_;
    std::string help_page_;
};

}  // namespace tw
