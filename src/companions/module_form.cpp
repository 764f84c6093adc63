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

namespace {

// Both forms' controls; the data source's row stays empty on the form without one.
std::vector<placement> module_page(module_form& f) {
    const frame* outbox = &f.Frame1;
    return {
        {&f.Label1, "Label1", {180, 120, 4950, 480}},
        {&f.l_cpid, "l_cpid", {180, 705, 2070, 240}},
        {&f.o_cpid, "o_cpid", {2310, 660, 2820, 300}},
        {&f.Label3, "Label3", {180, 1020, 4950, 450}, nullptr, label_look::link},
        {&f.l_override_email, "l_override_email", {180, 1965, 2070, 240}},
        {&f.o_override_email, "o_override_email", {2310, 1920, 2820, 300}},
        {&f.Frame1, "Frame1", {180, 2340, 4950, 2940}},
        {&f.o_email_drive, "o_email_drive", {120, 270, 4710, 315}, outbox},
        {&f.o_email_dir, "o_email_dir", {120, 660, 4710, 1800}, outbox},
        {&f.l_email_dir, "l_email_dir", {120, 2550, 1500, 240}, outbox},
        {&f.l_email_directory, "l_email_directory", {1650, 2550, 3180, 240}, outbox},
        {&f.Command1, "Command1", {3990, 5400, 1140, 360}},
    };
}

}  // namespace

form_layout frm_stockmodule_layout(frm_stockmodule& f) {
    std::vector<placement> page = module_page(f);
    // After the note, so the data source comes next in the tab order too.
    const auto after_note = page.begin() + 4;
    page.insert(after_note, {{&f.l_data_source, "l_data_source", {180, 1575, 2070, 240}},
                             {&f.o_data_source, "o_data_source", {2310, 1530, 2820, 315}}});
    return {.pages = {std::move(page)}, .default_button = &f.Command1};
}

form_layout frm_wpmmodule_layout(frm_wpmmodule& f) {
    return {.pages = {module_page(f)}, .default_button = &f.Command1};
}

}  // namespace tw
