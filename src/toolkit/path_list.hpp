#pragma once

#include <string>
#include <vector>

#include "toolkit/control.hpp"

namespace tw {

// A folder chooser: its value is the path of the folder it shows, and the view
// lists the folders around it. Change fires when the path changes, picked or
// set by code.
class path_list : public control {
public:
    const std::string& path() const { return path_; }
    void set_path(std::string path) {
        if (update(path_, std::move(path))) change();
    }

    event<> change;

private:
    std::string path_;
};

using folder_list = path_list;

// A drive chooser: it offers `drives` ("c:" ..., or the one root "/") and its
// value is the chosen drive. Change fires when the drive changes, picked or set
// by code.
class drive_list : public path_list {
public:
    const std::vector<std::string>& drives() const { return drives_; }
    void set_drives(std::vector<std::string> drives) { update(drives_, std::move(drives)); }

private:
    std::vector<std::string> drives_;
};

}  // namespace tw
