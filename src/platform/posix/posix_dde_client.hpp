#pragma once

#include <string>

#include "platform/dde_client.hpp"
#include "platform/processes.hpp"

namespace tw {

// DDE's stand-in on a system without it. Any topic opens a link, as if the
// browser were running. A request on a "…|WWW_OpenURL" topic starts the
// exchange's browser program with the item's address as its one argument
// (the item is "address,,window,flags"; a quoted address loses its quotes);
// it starts it once per exchange, as a browser started anew cannot take
// the exchange's later copies of the address. Any other request (bringing
// the browser to the front) is answered and does nothing.
class posix_dde_client : public dde_client {
public:
    explicit posix_dde_client(processes& programs) : programs_(programs) {}

    void begin_exchange(const std::string& browser_program) override;
    void set_topic(const std::string& topic) override { topic_ = topic; }
    void set_item(const std::string& item) override { item_ = item; }
    bool set_link_mode(int mode) override;
    bool request() override;

private:
    processes& programs_;
    std::string browser_program_;
    bool started_ = false;
    std::string topic_;
    std::string item_;
    bool linked_ = false;
};

}  // namespace tw
