#pragma once

#include "toolkit/window.hpp"

class QWidget;

namespace tw {

enum class window_sizing { resizable, fixed };

// Ties a form to its top-level widget: caption, size and position (twips at
// the screen's logical DPI; the size is the outer one, frame and title bar
// included, as the position is), window state and
// enabled follow the form both ways. Closing the widget fires the form's
// unload and lets it close. Whoever builds the widget shows it first; from
// then on it follows the form's `visible`.
void adapt(window& form, QWidget* widget, window_sizing sizing);

}  // namespace tw
