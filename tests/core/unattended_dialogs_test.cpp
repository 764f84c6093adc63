#include "core/unattended_dialogs.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "toolkit/virtual_event_loop.hpp"

namespace tw {
namespace {

// A box on screen: it stays open until dismissed or, after an hour, answered No by the user,
// who picks a file in a file dialog.
struct screen_with_a_user : dialogs {
    virtual_event_loop& loop;
    bool dismissed = false;
    explicit screen_with_a_user(virtual_event_loop& l) : loop(l) {}
    int message(const std::string&, int, const std::string&) override {
        dismissed = false;
        loop.run_until([&] { return dismissed; }, 3600);
        return dismissed ? box::ok : box::no;
    }
    void dismiss_message() override { dismissed = true; }
    std::string open_file(const file_request&) override { return "/home/user/office.pbk"; }
    void run_modal(window&) override {}
    void beep() override {}
};

// A critical box tells why the program ends, so it closes itself too.
TEST(unattended_dialogs, an_information_or_critical_box_nobody_answers_closes_after_two_minutes) {
    struct case_t {
        const char* name;
        bool unattended, clicked;
        int flags, answer;
        double waited;
    };
    const case_t cases[] = {
        {"unattended", true, false, box::information, box::ok, 120},
        {"the user clicked", true, true, box::information, box::no, 3600},
        {"a user started it", false, false, box::information, box::no, 3600},
        {"a critical box", true, false, box::critical, box::ok, 120},
        {"an exclamation box", true, false, box::exclamation, box::no, 3600},
    };
    for (const auto& c : cases) {
        virtual_event_loop loop;
        screen_with_a_user screen(loop);
        std::ostringstream report;
        unattended_dialogs boxes(screen, loop, c.unattended, report);
        if (c.clicked) boxes.user_acted();
        const double start = loop.clock();
        EXPECT_EQ(boxes.message("Try again.", c.flags, "Title"), c.answer) << c.name;
        EXPECT_DOUBLE_EQ(loop.clock() - start, c.waited) << c.name;
        EXPECT_EQ(report.str(), c.answer == box::ok ? "Title: Try again.\n" : "") << c.name;
        screen.dismissed = false;
        loop.run_for(300);
        EXPECT_FALSE(screen.dismissed) << c.name << ": nothing closes later";
    }
}

// A file dialog cannot close itself with a default answer: until someone
// acts, it counts as cancelled without being shown.
TEST(unattended_dialogs, a_file_dialog_counts_as_cancelled_until_the_user_acts) {
    virtual_event_loop loop;
    screen_with_a_user screen(loop);
    std::ostringstream report;
    unattended_dialogs boxes(screen, loop, true, report);
    EXPECT_EQ(boxes.open_file({}), "");
    boxes.user_acted();
    EXPECT_EQ(boxes.open_file({}), "/home/user/office.pbk");
}

}  // namespace
}  // namespace tw
