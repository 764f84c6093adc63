#pragma once

#include <string>

#include "toolkit/control.hpp"

namespace tw {

// A drive or folder chooser: its value is a path. Change fires when it
// changes, picked or set by code.
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

using drive_list = path_list;
using folder_list = path_list;

}  // namespace tw
