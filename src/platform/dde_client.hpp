#pragma once

#include <string>

namespace tw {

// The client end of a DDE link, driven as a link box is: set the topic
// ("SERVICE|Topic") and the item, open the link, request the item. Each step
// returns once the server has answered or the link has failed.
class dde_client {
public:
    static constexpr int no_link = 0;      // ends any conversation
    static constexpr int manual_link = 2;  // opens a conversation; requests fetch the item

    virtual ~dde_client() = default;

    // A new exchange with the browser program at `browser_program` begins.
    // Windows finds the browser's server by the topic's service name and
    // ignores this; the POSIX stand-in, which has no servers, starts this
    // program at the exchange's first address.
    virtual void begin_exchange(const std::string& browser_program) = 0;

    // "" is no topic: opening the link then fails.
    virtual void set_topic(const std::string& topic) = 0;
    virtual void set_item(const std::string& item) = 0;
    // False when a manual link finds no server for the topic.
    virtual bool set_link_mode(int mode) = 0;
    // False without an open conversation or when the server refuses.
    virtual bool request() = 0;
};

}  // namespace tw
