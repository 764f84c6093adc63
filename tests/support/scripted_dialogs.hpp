#pragma once

#include <deque>
#include <string>
#include <vector>

#include "toolkit/dialogs.hpp"

namespace tw::testing {

struct shown_message {
    std::string text;
    int flags;
    std::string title;
};

// Dialogs answered from a script. Every box and file dialog shown is
// recorded; a message box the test did not expect fails the test.
class scripted_dialogs : public dialogs {
public:
    ~scripted_dialogs() override;

    // The next message box must show `text`; it is answered with `answer`.
    void expect_message(std::string text, int answer = box::ok);
    // The next file dialog answers `path` ("" is a cancel).
    void answer_file_dialog(std::string path);

    const std::vector<shown_message>& messages() const { return messages_; }
    const std::vector<file_request>& file_requests() const { return file_requests_; }

    int message(const std::string& text, int flags, const std::string& title) override;
    std::string open_file(const file_request& request) override;
    void show_modal(window&) override {}
    void beep() override {}

private:
    struct expected {
        std::string text;
        int answer;
    };
    std::deque<expected> expected_;
    std::deque<std::string> file_answers_;
    std::vector<shown_message> messages_;
    std::vector<file_request> file_requests_;
};

}  // namespace tw::testing
