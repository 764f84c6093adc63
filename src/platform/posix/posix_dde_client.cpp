#include "platform/posix/posix_dde_client.hpp"

#include <string_view>

namespace tw {

namespace {

bool ends_with(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The address of an "address,,window,flags" item: all before its last three commas.
std::string address_of(const std::string& item) {
    std::size_t cut = item.size();
    for (int fields = 0; fields < 3 && cut != std::string::npos && cut > 0; ++fields)
        cut = item.rfind(',', cut - 1);
    return cut == std::string::npos ? item : item.substr(0, cut);
}

}  // namespace

void posix_dde_client::begin_exchange(const std::string& browser_program) {
    browser_program_ = browser_program;
    started_ = false;
}

bool posix_dde_client::set_link_mode(int mode) {
    linked_ = mode == manual_link && !topic_.empty();
    return mode != manual_link || linked_;
}

bool posix_dde_client::request() {
    if (!linked_) return false;
    if (!ends_with(topic_, "|WWW_OpenURL") || started_) return true;
    // The address is one argument: a quoted one is split to itself, unquoted.
    started_ = programs_.start(browser_program_, address_of(item_)) != nullptr;
    return started_;
}

}  // namespace tw
