#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "toolkit/dialogs.hpp"
#include "toolkit/event_loop.hpp"
#include "toolkit/timer.hpp"

namespace tw {

// How long an information box of an unattended run, or a critical one (which
// tells why the program ends), waits for an answer.
inline constexpr int unattended_answer_ms = 120'000;

// The program's dialogs. In a run started with /d, /a or /x nobody may be
// there to answer: an information or critical box then closes itself with
// its default answer after two minutes and its text goes to `report` as "title: text",
// so a box at 03:00 does not keep a paid line up until morning, and a file
// dialog counts as cancelled without being shown. Once the user has clicked
// or typed in the window, boxes and dialogs wait for the user as usual.
class unattended_dialogs : public dialogs {
public:
    unattended_dialogs(dialogs& shown, event_loop& loop, bool unattended, std::ostream& report);
    ~unattended_dialogs() override;
    unattended_dialogs(const unattended_dialogs&) = delete;
    unattended_dialogs& operator=(const unattended_dialogs&) = delete;

    // Someone is there: from now on every box waits for an answer.
    void user_acted() {
        unattended_ = false;
        answer_timer_.stop();
    }

    // A line for whoever started the run, where the texts nobody saw go.
    void tell(const std::string& line) { report_ << line << std::endl; }

    int message(const std::string& text, int flags, const std::string& title) override;
    std::string open_file(const file_request& request) override;
    void beep() override;
    size_twips screen_size() const override;
    void dismiss_message() override;

protected:
    void run_modal(window& form) override;

private:
    dialogs& shown_;
    event_loop& loop_;
    bool unattended_;
    std::ostream& report_;
    timer answer_timer_;
    std::vector<std::string> open_boxes_;  // "title: text", innermost last
};

}  // namespace tw
