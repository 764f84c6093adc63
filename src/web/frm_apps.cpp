#include "web/frm_apps.hpp"

namespace tw {

frm_apps::frm_apps() {
    form.set_visible(false);
    form.set_size(5400, 2900);
    f_browser.set_caption("Browser");
    Command1.set_caption("Select");
    Command3.set_caption("Exit");
    f_mailsieve.set_caption("Mailsieve");
    Command2.set_caption("Select");
}

namespace {

// A frame with a path box and its Select button.
std::vector<placement> path_frame(frame& f, const char* frame_name, twips_rect at, text_box& path,
                                  const char* path_name, button& select, const char* select_name) {
    return {{&f, frame_name, at},
            {&path, path_name, {120, 300, 3750, 300}, &f},
            {&select, select_name, {3960, 270, 1050, 360}, &f}};
}

}  // namespace

form_layout frm_apps_layout(frm_apps& f) {
    std::vector<placement> page = path_frame(f.f_browser, "f_browser", {90, 60, 5130, 750},
                                             f.o_browser, "o_browser", f.Command1, "Command1");
    page.push_back({&f.Command3, "Command3", {4080, 930, 1140, 360}});
    for (placement& p : path_frame(f.f_mailsieve, "f_mailsieve", {90, 3000, 5130, 750}, f.o_msv,
                                   "o_msv", f.Command2, "Command2"))
        page.push_back(p);
    return {.menus = {{"&File", {{&f.menuFileItem_exit, "menuFileItem_exit"}}}},
            .pages = {std::move(page)}};
}

}  // namespace tw
