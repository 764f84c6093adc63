#pragma once

#include "toolkit/button.hpp"
#include "toolkit/label.hpp"
#include "toolkit/layout.hpp"
#include "toolkit/window.hpp"

namespace tw {

// The about box of the Help menu: the product, its version, what it does.
struct frm_about {
    frm_about();

    window form;
    label l_product;
    label l_version;
    label l_description;
    button b_ok;
};

// Where the about box's controls are.
form_layout frm_about_layout(frm_about& f);

}  // namespace tw
