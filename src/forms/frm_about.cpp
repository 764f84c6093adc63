#include "forms/frm_about.hpp"

namespace tw {

frm_about::frm_about() {
    form.set_visible(false);
    form.set_caption("About Tarnwick");
    form.set_size(5400, 2700);
    l_product.set_caption("Tarnwick");
    l_version.set_caption("Version 1.20");
    l_description.set_caption(
        "Dials your Internet connection, watches the dial, logs every event and runs your "
        "programs at connect time, on a schedule or once a day, hanging up after the last one.");
    b_ok.set_caption("OK");
}

form_layout frm_about_layout(frm_about& f) {
    return {.pages = {{
                {&f.l_product, "l_product", {180, 150, 4950, 420}, nullptr, label_look::heading},
                {&f.l_version, "l_version", {180, 600, 4950, 240}},
                {&f.l_description, "l_description", {180, 900, 4950, 690}},
                {&f.b_ok, "b_ok", {3990, 1680, 1140, 360}},
            }},
            .default_button = &f.b_ok};
}

}  // namespace tw
