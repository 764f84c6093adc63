#include "web/url_opener.hpp"

#include "program.hpp"

namespace tw {

namespace {

constexpr const char* no_browser_text =
    "You must use a supported Internet browser to automatically load the HTML file.  Only "
    "Netscape and MSIE browsers are supported with this function.  You can change your "
    "selection in browsers using the menu 'Applications' option.";

// Save-as file none, the last active window, reload and work in the background.
constexpr const char* open_url_arguments = ",,0xFFFFFFFF,0x7";
// The last active window, no flags.
constexpr const char* activate_item = "0xFFFFFFFF,0x0";

bool contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

std::string url_opener::link_topic(const char* topic) const {
    const std::string service = browser_service(p_.browser_path, p_.supported_browsers);
    return service.empty() ? "" : service + "|" + topic;
}

void url_opener::open_url(std::string& address) {
    if (!p_.browsers.ask_for_browser(no_browser_text)) return;
    if (contains(address, " ") && !address.starts_with('"')) address = '"' + address + '"';
    send(address);
    bring_to_front(address);
}

// Two passes; a browser that answers gets the address twice, in one window.
// The first failure starts the browser and makes the first pass run again.
void url_opener::send(const std::string& address) {
    dde_client& dde = p_.dde;
    dde.begin_exchange(p_.browser_path);
    const std::string topic = link_topic("WWW_OpenURL");
    const std::string item = address + open_url_arguments;
    bool failed_before = false;
    bool first_pass_done = false;
    const auto check = [&](bool succeeded) {
        if (succeeded || std::exchange(failed_before, true)) return;
        first_pass_done = false;
        p_.programs.start_minimized(p_.browser_path, "");
    };
    const auto link_to_browser = [&] {
        dde.set_link_mode(dde_client::no_link);
        dde.set_topic(topic);
        dde.set_item(item);
    };
    while (!first_pass_done) {
        link_to_browser();
        first_pass_done = true;
        check(dde.set_link_mode(dde_client::manual_link));
        check(dde.request());
    }
    link_to_browser();
    check(dde.set_link_mode(dde_client::manual_link));
    check(dde.request());
}

// Once per kind of page the address names; else once per web and file-transfer
// address; never for anything else (a mail address).
void url_opener::bring_to_front(const std::string& address) {
    bool activated = false;
    for (const char* page : {".htm", ".gif", ".jpg", ".txt"})
        if (contains(address, page)) {
            activate_browser();
            activated = true;
        }
    if (activated) return;
    for (const char* scheme : {"http://", "ftp://"})
        if (contains(address, scheme)) activate_browser();
}

void url_opener::activate_browser() {
    dde_client& dde = p_.dde;
    dde.set_link_mode(dde_client::no_link);
    dde.set_topic(link_topic("WWW_Activate"));
    dde.set_item(activate_item);
    if (dde.set_link_mode(dde_client::manual_link)) dde.request();
}

}  // namespace tw
