#include "web/frm_apps.hpp"

namespace tw {

frm_apps::frm_apps() {
    form.set_visible(false);
    form.set_size(5400, apps_height);
    f_browser.set_caption("Browser");
    Command1.set_caption("Select");
    Command3.set_caption("Exit");
}

form_layout frm_apps_layout(frm_apps& f) {
    return {.menus = {{"&File", {{&f.menuFileItem_exit, "menuFileItem_exit"}}}},
            .pages = {{
                {&f.f_browser, "f_browser", {90, 30, 4020, 690}},
                {&f.o_browser, "o_browser", {120, 270, 2700, 300}, &f.f_browser},
                {&f.Command1, "Command1", {2910, 240, 990, 360}, &f.f_browser},
                {&f.Command3, "Command3", {4200, 270, 1020, 360}},
            }}};
}

}  // namespace tw
