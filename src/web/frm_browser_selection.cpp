#include "web/frm_browser_selection.hpp"

namespace tw {

frm_browser_selection::frm_browser_selection() {
    form.set_visible(false);
    form.set_caption("Browser Selection");
    form.set_size(5400, 1800);
    Label1.set_caption(
        "References to Netscape's and Microsoft's browser were found on your system.  Please "
        "pick the desired application.");
    Command1.set_caption("Netscape");
    Command2.set_caption("Microsoft");
    Command3.set_caption("Cancel");
}

form_layout frm_browser_selection_layout(frm_browser_selection& f) {
    return {.pages = {{
                {&f.Label1, "Label1", {180, 120, 4950, 660}},
                {&f.Command1, "Command1", {180, 840, 1500, 360}},
                {&f.Command2, "Command2", {1860, 840, 1500, 360}},
                {&f.Command3, "Command3", {3540, 840, 1500, 360}},
            }}};
}

}  // namespace tw
