#pragma once

#include <windows.h>

#include <memory>

#include "toolkit/path_list.hpp"
#include "win32/control_window.hpp"

namespace tw {

// A folder chooser in a list box: the folders from the drive down to the
// chosen one, then the folders in it, each indented by its depth. Picking
// one makes it the chosen folder.
std::unique_ptr<control_window> make_folder_window(folder_list& control, HWND list_box);

}  // namespace tw
