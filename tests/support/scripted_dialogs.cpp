#include "scripted_dialogs.hpp"

#include <gtest/gtest.h>

namespace tw::testing {

scripted_dialogs::~scripted_dialogs() {
    for (const auto& e : expected_) ADD_FAILURE() << "expected message never shown: " << e.text;
    for (const auto& f : expected_forms_)
        ADD_FAILURE() << "expected form never shown: " << f.form->caption();
}

void scripted_dialogs::expect_message(std::string text, int answer,
                                      std::function<void()> while_shown) {
    expected_.push_back({std::move(text), answer, std::move(while_shown)});
}

void scripted_dialogs::expect_form(window& form, std::function<void()> use) {
    expected_forms_.push_back({&form, std::move(use)});
}

void scripted_dialogs::run_modal(window& form) {
    if (expected_forms_.empty() || expected_forms_.front().form != &form) {
        ADD_FAILURE() << "unexpected form: " << form.caption();
    } else {
        const std::function<void()> use = std::move(expected_forms_.front().use);
        expected_forms_.pop_front();
        if (use) use();
    }
    if (form.visible()) form.unload();
}

void scripted_dialogs::answer_file_dialog(std::string path) {
    file_answers_.push_back(std::move(path));
}

int scripted_dialogs::message(const std::string& text, int flags, const std::string& title) {
    messages_.push_back({text, flags, title});
    if (answer_all_) return (flags & box::yes_no) == box::yes_no ? box::yes : box::ok;
    if (expected_.empty()) {
        ADD_FAILURE() << "unexpected message box: " << title << ": " << text;
        return box::ok;
    }
    const expected next = expected_.front();
    expected_.pop_front();
    EXPECT_EQ(next.text, text);
    if (next.while_shown) next.while_shown();
    return next.answer;
}

std::string scripted_dialogs::open_file(const file_request& request) {
    file_requests_.push_back(request);
    if (file_answers_.empty()) return "";
    std::string answer = file_answers_.front();
    file_answers_.pop_front();
    return answer;
}

}  // namespace tw::testing
