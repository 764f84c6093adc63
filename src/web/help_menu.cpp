#include "web/help_menu.hpp"

#include "helpers/file_helpers.hpp"
#include "program.hpp"
#include "web/web_addresses.hpp"

namespace tw {

namespace {

constexpr int help_page_item = 10;
constexpr int about_item = 99;

constexpr const char* no_browser_text =
    "You must select a browser before using this option.  You can change your selection in "
    "browsers using the menu 'Applications' option.";

// The page behind each item of "On-Line Web Pages"; nullptr for no item.
const char* web_page(int index) {
    switch (index) {
        case 3:
            return web_address::customer_profile;
        case 10:
            return web_address::update_notices;
        case 15:
            return web_address::product_page;
        case 20:
            return web_address::download;
        case 23:
            return web_address::companion_family;
        case 25:
            return web_address::maker_home;
        case 30:
            return web_address::classifieds;
        default:
            return nullptr;
    }
}

}  // namespace

help_menu::help_menu(program& p) : p_(p) {}

void help_menu::about_b_ok_Click() { p_.about.form.set_visible(false); }

void help_menu::menuHelpItem_Click(int index) {
    if (index == help_page_item && file_exists(p_.help_file_path)) {
        std::string page = "file://" + p_.help_file_path;
        p_.urls.open_url(page);
    }
    if (index == about_item) show_about_box();
}

void help_menu::menuOnlineItem_Click(int index) {
    if (!p_.browsers.ask_for_browser(no_browser_text)) return;
    const char* address = web_page(index);
    if (!address || !file_exists(p_.browser_path)) return;
    std::string page = address;
    p_.urls.open_url(page);
}

void help_menu::show_about_box() {
    p_.window.center_form(p_.about.form);
    p_.ui.show_modal(p_.about.form);
}

}  // namespace tw
