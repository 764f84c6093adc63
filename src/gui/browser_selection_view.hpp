#pragma once

#include "web/frm_browser_selection.hpp"

class QDialog;

namespace tw {

// The question which browser to use, with its three buttons.
void build_browser_selection_view(frm_browser_selection& form, QDialog& dialog);

}  // namespace tw
