#pragma once

#include <string>
#include <vector>

#include "toolkit/control.hpp"

namespace tw {

// Click fires when the shown tab changes, chosen by the user or by code.
class tab_control : public control {
public:
    explicit tab_control(std::vector<std::string> captions) : captions_(std::move(captions)) {}

    const std::vector<std::string>& captions() const { return captions_; }

    int tab() const { return tab_; }
    void set_tab(int tab) {
        if (update(tab_, tab)) click();
    }

    event<> click;

private:
    std::vector<std::string> captions_;
    int tab_ = 0;
};

}  // namespace tw
