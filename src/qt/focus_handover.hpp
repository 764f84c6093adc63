#pragma once

class QAction;
class QWidget;

namespace tw {

// Whether the widget (or a part of it, a combo box's edit box) has its
// window's focus.
bool holds_focus(QWidget* widget);
inline bool holds_focus(QAction*) { return false; }

// Takes the focus from `lost`, which can no longer hold it, and gives it to
// the next widget of its window that can take it once the current handler
// has run (see focus_successor).
void hand_on_focus(QWidget* lost);
inline void hand_on_focus(QAction*) {}

}  // namespace tw
