#pragma once

// ddeml.h needs the types of windows.h first.
// clang-format off
#include <windows.h>
#include <ddeml.h>
// clang-format on

#include "platform/dde_client.hpp"

namespace tw {

// A DDE client through the DDE management library. A manual link connects
// to the topic's service; a request is a synchronous XTYP_REQUEST that
// fails when the server has not answered within `answer_ms`.
class windows_dde_client : public dde_client {
public:
    static constexpr DWORD answer_ms = 5000;

    windows_dde_client();
    ~windows_dde_client() override;
    windows_dde_client(const windows_dde_client&) = delete;
    windows_dde_client& operator=(const windows_dde_client&) = delete;

    void begin_exchange(const std::string&) override {}
    void set_topic(const std::string& topic) override { topic_ = topic; }
    void set_item(const std::string& item) override { item_ = item; }
    bool set_link_mode(int mode) override;
    bool request() override;

private:
    void end_conversation();

    DWORD instance_ = 0;  // 0 when the library could not be initialised
    HCONV conversation_ = nullptr;
    std::string topic_;
    std::string item_;
};

}  // namespace tw
