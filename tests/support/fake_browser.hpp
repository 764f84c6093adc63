#pragma once

#include <string>
#include <vector>

#include "platform/dde_client.hpp"

namespace tw::testing {

struct dde_request {
    std::string topic;
    std::string item;
};

// The browser at the far end of the DDE link. A running browser opens a link
// on any topic of its service; a refusing one then fails every request.
// Every request made over an open link is recorded.
class fake_browser : public dde_client {
public:
    std::string service = "IEXPLORE";
    bool running = true;
    bool refusing = false;

    const std::vector<dde_request>& requests() const { return requests_; }

    void begin_exchange(const std::string&) override {}
    void set_topic(const std::string& topic) override { topic_ = topic; }
    void set_item(const std::string& item) override { item_ = item; }
    bool set_link_mode(int mode) override {
        linked_ = mode == manual_link && running && topic_.starts_with(service + "|");
        return mode != manual_link || linked_;
    }
    bool request() override {
        if (!linked_) return false;
        requests_.push_back({topic_, item_});
        return !refusing;
    }

private:
    std::string topic_;
    std::string item_;
    bool linked_ = false;
    std::vector<dde_request> requests_;
};

}  // namespace tw::testing
