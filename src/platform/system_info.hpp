#pragma once

#include <string>

namespace tw {

// Facts about the machine the program runs on.
class system_info {
public:
    virtual ~system_info() = default;

    // 0 win32s, 1 win95, 2 winnt (the POSIX build reports 2).
    virtual int platform_number() const = 0;
    // The system folder; the default phone book lies in its "ras" folder.
    virtual std::string system_directory() const = 0;
    // The folder that holds the program's own files, without a trailing
    // separator. It may not exist yet: the start-up creates it.
    virtual std::string program_folder() const = 0;
    // The help page the program ships with; twhelp.htm in the program folder
    // when none is found.
    virtual std::string help_page() const = 0;
    // The user's own folder, where the file dialogs first open.
    virtual std::string home_folder() const = 0;
};

}  // namespace tw
