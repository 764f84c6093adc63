#pragma once

#include <string>

namespace tw {

class program;

// Hands addresses to the chosen browser over the DDE link and brings the
// browser to the front. Link failures are never shown: the first one in a
// call starts the browser, minimized and not waited for, and the address is
// sent again at once; later ones are passed over.
class url_opener {
public:
    explicit url_opener(program& p) : p_(p) {}

    // Without a browser, asks for one first (frm_apps) and gives up if none is
    // chosen. An address holding a blank is quoted, the caller's text too.
    void open_url(std::string& address);
    void activate_browser();

private:
    // The "SERVICE|topic" of the browser's DDE server; "" when it has none.
    std::string link_topic(const char* topic) const;
    void send(const std::string& address);
    void bring_to_front(const std::string& address);

    program& p_;
};

}  // namespace tw
