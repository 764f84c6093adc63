#pragma once

namespace tw {

// Where the keyboard focus goes when the control that has it is disabled or
// hidden, in either view: as in a dialog, to the first control after it in
// the Tab order that can take the focus. Views make the move once the handler
// that disabled the control has run, so a button that gives way to another
// (Connect to Cancel) hands the focus to that one.
//  `next` steps through the view's Tab order, going round (null at its end);
//  `can_take` tells whether a control can take the focus now.
// Null when no other control can.
template <class Item, class Next, class CanTake>
Item focus_successor(Item lost, Next next, CanTake can_take) {
    for (Item at = next(lost); at && at != lost; at = next(at))
        if (can_take(at)) return at;
    return nullptr;
}

}  // namespace tw
