#pragma once

#include <QMainWindow>

#include "forms/frm_main.hpp"

namespace tw {

// The main window on screen: menus, the four tabs and the status bar, each
// widget tied to its control of `form`, which must outlive the view. Widgets
// are named after their controls. The size is fixed and there is no
// maximize button; closing the window fires the form's unload.
class main_window_view : public QMainWindow {
public:
    explicit main_window_view(frm_main& form);
};

}  // namespace tw
