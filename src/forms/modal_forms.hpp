#pragma once

#include <vector>

#include "toolkit/layout.hpp"
#include "toolkit/window.hpp"

namespace tw {

class program;

// A form the program shows modally, with the layout its view is built from.
struct modal_form {
    window* form;
    form_layout layout;
};

// Every modal form of `p`: the Applications window, the browser choice, the
// about box and the two module settings forms.
std::vector<modal_form> modal_forms(program& p);

}  // namespace tw
