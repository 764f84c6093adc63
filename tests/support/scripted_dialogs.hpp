#pragma once

#include <deque>
#include <functional>
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

    // The next message box must show `text`; it is answered with `answer`,
    // after `while_shown` ran (time passing while the user reads it).
    void expect_message(std::string text, int answer = box::ok,
                        std::function<void()> while_shown = {});
    // From now on every box gets its default answer (OK, or Yes) and none fails the test.
    void answer_every_message() { answer_all_ = true; }
    // The next file dialog answers `path` ("" is a cancel).
    void answer_file_dialog(std::string path);
    // The next form shown modally must be `form`; while it shows, `use` runs
    // (fills it, clicks its buttons). A form `use` leaves visible is then
    // closed as with its close box.
    void expect_form(window& form, std::function<void()> use = {});

    const std::vector<shown_message>& messages() const { return messages_; }
    const std::vector<file_request>& file_requests() const { return file_requests_; }
    int beeps() const { return beeps_; }

    int message(const std::string& text, int flags, const std::string& title) override;
    std::string open_file(const file_request& request) override;
    void beep() override { ++beeps_; }

protected:
    void run_modal(window& form) override;

private:
    struct expected {
        std::string text;
        int answer;
        std::function<void()> while_shown;
    };
    bool answer_all_ = false;
    std::deque<expected> expected_;
    struct expected_form {
        window* form;
        std::function<void()> use;
    };
    std::deque<expected_form> expected_forms_;
    std::deque<std::string> file_answers_;
    std::vector<shown_message> messages_;
    std::vector<file_request> file_requests_;
    int beeps_ = 0;
};

}  // namespace tw::testing
