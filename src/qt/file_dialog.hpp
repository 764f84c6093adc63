#pragma once

#include <memory>

#include "toolkit/dialogs.hpp"

class QFileDialog;
class QWidget;

namespace tw {

// The file dialog for `request`: its title, filter, folder and file name,
// whether a name that does not exist yet may be typed in, and whether it
// opens or saves (its button says "Open" or "Save").
std::unique_ptr<QFileDialog> make_file_dialog(const file_request& request, QWidget* parent);

}  // namespace tw
