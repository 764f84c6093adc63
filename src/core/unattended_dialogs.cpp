#include "core/unattended_dialogs.hpp"

#include <ostream>

namespace tw {

namespace {
constexpr int icon_flags = 0x70;
}

unattended_dialogs::unattended_dialogs(dialogs& shown, event_loop& loop, bool unattended,
                                       std::ostream& report)
    : shown_(shown), loop_(loop), unattended_(unattended), report_(report) {
    loop_.add_timer(answer_timer_);
    answer_timer_.tick.connect([this] {
        answer_timer_.stop();
        report_ << open_boxes_.back() << std::endl;  // what nobody saw
        shown_.dismiss_message();
    });
}

unattended_dialogs::~unattended_dialogs() { loop_.remove_timer(answer_timer_); }

// The timer closes the innermost open box; when that one is answered, a box
// still open below it (shown from a wait inside it) gets a fresh two minutes.
int unattended_dialogs::message(const std::string& text, int flags, const std::string& title) {
    const int icon = flags & icon_flags;
    if (!unattended_ || (icon != box::information && icon != box::critical))
        return shown_.message(text, flags, title);
    open_boxes_.push_back(title + ": " + text);
    answer_timer_.start(unattended_answer_ms);
    const int answer = shown_.message(text, flags, title);
    open_boxes_.pop_back();
    if (!open_boxes_.empty() && unattended_)
        answer_timer_.start(unattended_answer_ms);
    else
        answer_timer_.stop();
    return answer;
}

// A file dialog has no default answer to close itself with after a while, so
// while nobody is there it counts as cancelled at once.
std::string unattended_dialogs::open_file(const file_request& request) {
    return unattended_ ? std::string() : shown_.open_file(request);
}

// The form is visible already; showing it again changes nothing.
void unattended_dialogs::run_modal(window& form) { shown_.show_modal(form); }

void unattended_dialogs::beep() { shown_.beep(); }

size_twips unattended_dialogs::screen_size() const { return shown_.screen_size(); }

void unattended_dialogs::dismiss_message() { shown_.dismiss_message(); }

}  // namespace tw
