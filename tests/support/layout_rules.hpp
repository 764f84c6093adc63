#pragma once

#include <string>
#include <vector>

#include "forms/modal_forms.hpp"
#include "toolkit/layout.hpp"

namespace tw {
class program;
}

namespace tw::testing {

// Every form of `p` with its layout: the main window, then the modal forms.
std::vector<modal_form> every_form(program& p);

// What a view's window takes of a form's outer size around its pages, in
// pixels: frame, title bar, menu bar, tab strip, status bar.
struct page_margins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The controls that stick out of their page when the form's outer size is
// shown at `dpi` with `around` taken by the view, one line each.
std::vector<std::string> controls_outside_page(const modal_form& form, int dpi,
                                               const page_margins& around);

// The controls of a page that overlap one another though no frame holds
// either, or stick out of the frame that holds them, one line each.
std::vector<std::string> overlapping_controls(const form_layout& layout);

// The control a placement places.
control* control_of(const placed_control& c);

// The caption a placed control shows; empty for one that shows a value.
std::string caption_of(const placement& p);

// `focusable` (names of the controls of page `page` that take the focus) in
// the Tab order the layout gives: the page's controls in the layout's order,
// then the tab strip. Names the page lacks come last.
std::vector<std::string> in_tab_order(const form_layout& layout, std::size_t page,
                                      std::vector<std::string> focusable);

}  // namespace tw::testing
