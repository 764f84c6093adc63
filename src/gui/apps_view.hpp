#pragma once

#include "web/frm_apps.hpp"

class QDialog;

namespace tw {

// The Applications window: its File menu, the "Browser" frame and Exit, and
// below them the "Mailsieve" frame, which the window's height leaves out of view.
void build_apps_view(frm_apps& form, QDialog& dialog);

}  // namespace tw
