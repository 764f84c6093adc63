#pragma once

#include <filesystem>

#include "platform/system_info.hpp"

namespace tw {

// The POSIX machine. It reports the NT family, whose phone book is a file
// handed to the dialer. The program folder is the executable's folder, so a
// copied program is self-contained; for an installed program (see
// shipped_files), or when that folder is not writable, it is
// ${XDG_CONFIG_HOME:-$HOME/.config}/tarnwick, or every setting would be lost
// at each exit. The start-up creates it; nothing here writes.
// The system folder is $TARNWICK_SYSTEM_DIR, else the program folder.
class posix_system_info : public system_info {
public:
    // Of the running executable.
    posix_system_info();
    explicit posix_system_info(const std::filesystem::path& executable_folder);

    int platform_number() const override { return 2; }
    std::string system_directory() const override { return system_directory_; }
    std::string program_folder() const override { return program_folder_; }
    std::string help_page() const override { return help_page_; }
    // $HOME, else the user database's entry.
    std::string home_folder() const override;

private:
    std::string program_folder_;
    std::string help_page_;
    std::string system_directory_;
};

}  // namespace tw
