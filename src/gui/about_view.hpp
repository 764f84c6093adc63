#pragma once

#include "ui/frm_about.hpp"

class QDialog;

namespace tw {

// The about box: the product's name large, its version, what it does, OK.
void build_about_view(frm_about& form, QDialog& dialog);

}  // namespace tw
