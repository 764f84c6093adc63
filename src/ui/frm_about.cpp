#include "ui/frm_about.hpp"

namespace tw {

frm_about::frm_about() {
    form.set_visible(false);
    form.set_caption("About Tarnwick");
    form.set_size(5400, 2600);
    l_product.set_caption("Tarnwick");
    l_version.set_caption("Version 1.20");
    l_description.set_caption(
        "Dials your Internet connection, watches the dial, logs every event and runs your "
        "programs at connect time, on a schedule or once a day, hanging up after the last one.");
    b_ok.set_caption("OK");
}

}  // namespace tw
