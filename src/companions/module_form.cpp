#include "companions/module_form.hpp"

#include "web/web_addresses.hpp"

namespace tw {

module_form::module_form(const char* caption, const char* instruction) {
    form.set_caption(caption);
    form.set_visible(false);
    form.set_size(5400, 6300);
    Label1.set_caption(instruction);
    l_cpid.set_caption("Customer Profile ID:");
    Label3.set_caption(customer_profile_note);
    l_override_email.set_caption("Overriding Email Address:");
    Frame1.set_caption("Email Outbox Directory");
    l_email_dir.set_caption("Selected Directory:");
    Command1.set_caption("OK");
}

frm_stockmodule::frm_stockmodule()
    : module_form("Lumarin - Stock Module",
                  "In order to use this module you must enter your Customer Profile ID and the "
                  "data source for stock quote data.") {
    l_data_source.set_caption("Data Source:");
}

frm_wpmmodule::frm_wpmmodule()
    : module_form("Lumarin - Web Page Monitor Module",
                  "In order to use this module you must enter your Customer Profile ID.") {}

}  // namespace tw
