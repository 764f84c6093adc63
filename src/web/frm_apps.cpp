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

}  // namespace tw
