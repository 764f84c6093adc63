#include "core/unattended_dialogs.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "toolkit/virtual_event_loop.hpp"

namespace tw {
namespace {

// A box on screen: it stays open until dismissed or, after an hour, answered No by the user,
// who also picks a file in a file dialog after an hour.
struct screen_with_a_user : dialogs {
    virtual_event_loop& loop;
    bool dismissed = false;
    int file_dialogs = 0;
    explicit screen_with_a_user(virtual_event_loop& l) : loop(l) {}
    int message(const std::string&, int, const std::string&) override {
        dismissed = false;
        loop.run_until([&] { return dismissed; }, 3600);
        return dismissed ? box::ok : box::no;
    }
    void dismiss_message() override { dismissed = true; }
    std::string open_file(const file_request&) override {
        ++file_dialogs;
        loop.run_for(3600);
        return "/home/user/office.pbk";
    }
    void run_modal(window&) override {}
    void beep() override {}
};

TEST(unattended_dialogs, an_information_box_nobody_answers_closes_after_two_minutes) {
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
        {"not an information box", true, false, box::critical, box::no, 3600},
    };
    for (const auto& c : cases) {
        virtual_event_loop loop;
        screen_with_a_user screen(loop);
        std::ostringstream report;
        unattended_dialogs boxes(screen, loop, c.unattended, report);
        if (c.clicked) boxes.user_clicked();
        const double start = loop.clock();
        EXPECT_EQ(boxes.message("Try again.", c.flags, "Title"), c.answer) << c.name;
        EXPECT_DOUBLE_EQ(loop.clock() - start, c.waited) << c.name;
        EXPECT_EQ(report.str(), c.answer == box::ok ? "Title: Try again.\n" : "") << c.name;
        screen.dismissed = false;
        loop.run_for(300);
        EXPECT_FALSE(screen.dismissed) << c.name << ": nothing closes later";
    }
}

// A file dialog has no default answer to close itself with: while nobody has
// clicked, it counts as cancelled at once and is not shown.
TEST(unattended_dialogs, a_file_dialog_of_an_unattended_run_counts_as_cancelled) {
    for (const bool clicked : {false, true}) {
        virtual_event_loop loop;
        screen_with_a_user screen(loop);
        std::ostringstream report;
        unattended_dialogs boxes(screen, loop, true, report);
        if (clicked) boxes.user_clicked();
        EXPECT_EQ(boxes.open_file({"Title", "Phonebook (*.pbk)|*.pbk", "/", ""}),
                  clicked ? "/home/user/office.pbk" : "")
            << clicked;
        EXPECT_EQ(screen.file_dialogs, clicked ? 1 : 0);
    }
}

}  // namespace
}  // namespace tw
