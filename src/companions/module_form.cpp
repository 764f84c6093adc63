#include "companions/module_form.hpp"

#include "web/web_addresses.hpp"

namespace tw {

namespace {

constexpr int form_width = 5400;
constexpr int stock_form_height = 6300;
constexpr int row = 375;  // from one labelled box to the next

// Both forms' controls from the top; the data source's row only where the
// form has one, so the rows below it close up on the form without.
std::vector<placement> module_page(module_form& f, label* l_data_source = nullptr,
                                   combo_box* o_data_source = nullptr) {
    std::vector<placement> page{
        {&f.Label1, "Label1", {180, 120, 4950, 690}},
        {&f.l_cpid, "l_cpid", {180, 915, 2235, 240}},
        {&f.o_cpid, "o_cpid", {2460, 870, 2670, 300}},
        {&f.Label3, "Label3", {180, 1230, 4950, 450}, nullptr, label_look::link},
    };
    int top = 1740;
    if (o_data_source) {
        page.push_back({l_data_source, "l_data_source", {180, top + 45, 2235, 240}});
        page.push_back({o_data_source, "o_data_source", {2460, top, 2670, 315}});
        top += row;
    }
    const frame* outbox = &f.Frame1;
    const std::vector<placement> below{
        {&f.l_override_email, "l_override_email", {180, top + 45, 2235, 240}},
        {&f.o_override_email, "o_override_email", {2460, top, 2670, 300}},
        {&f.Frame1, "Frame1", {180, top + 405, 4950, 2640}},
        {&f.o_email_drive, "o_email_drive", {120, 270, 4710, 315}, outbox},
        {&f.o_email_dir, "o_email_dir", {120, 660, 4710, 1560}, outbox},
        {&f.l_email_dir, "l_email_dir", {120, 2310, 1860, 240}, outbox},
        {&f.l_email_directory, "l_email_directory", {2010, 2310, 2820, 240}, outbox},
        {&f.Command1, "Command1", {3990, top + 3135, 1140, 360}},
    };
    page.insert(page.end(), below.begin(), below.end());
    return page;
}

}  // namespace

module_form::module_form(const char* caption, const char* instruction, int height) {
    form.set_caption(caption);
    form.set_visible(false);
    form.set_size(form_width, height);
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
                  "data source for stock quote data.",
                  stock_form_height) {
    l_data_source.set_caption("Data Source:");
}

// One row lower than the stock form, as it has no data source.
frm_wpmmodule::frm_wpmmodule()
    : module_form("Lumarin - Web Page Monitor Module",
                  "In order to use this module you must enter your Customer Profile ID.",
                  stock_form_height - row) {}

form_layout frm_stockmodule_layout(frm_stockmodule& f) {
    return {.pages = {module_page(f, &f.l_data_source, &f.o_data_source)},
            .default_button = &f.Command1};
}

form_layout frm_wpmmodule_layout(frm_wpmmodule& f) {
    return {.pages = {module_page(f)}, .default_button = &f.Command1};
}

}  // namespace tw
