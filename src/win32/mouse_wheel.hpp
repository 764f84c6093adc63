#pragma once

#include <windows.h>

namespace tw {

// True for a turn of the mouse wheel over a combo box of a form that does not
// have the focus, which Windows hands the box under the pointer: it must not
// change the box (a page scrolled past it stays as it was).
bool wheel_over_unfocused_box(const MSG& message);

}  // namespace tw
