#pragma once

#include <memory>

#include "toolkit/dialogs.hpp"

class QFileDialog;
class QWidget;

namespace tw {

// The file dialog for `request`: its title, filter, folder and file name,
// and whether a name that does not exist yet may be typed in. Its button
// says "Open" either way, as the program has one kind of file dialog.
std::unique_ptr<QFileDialog> make_file_dialog(const file_request& request, QWidget* parent);

}  // namespace tw
