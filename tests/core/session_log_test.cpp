#include <gtest/gtest.h>

#include <filesystem>

#include "platform/path_rules.hpp"
#include "test_program.hpp"

namespace tw {
namespace {

using testing::test_program;

struct logged_program : test_program {
    logged_program() {
        loop.set_now(make_wall_time(1999, 12, 5, 8, 30, 0));
        start_up();
    }
};

TEST(session_log, lines_are_stamped_the_newest_is_selected_and_clearing_asks_first) {
    logged_program p;
    p.prog.log.append_log_line(" Connected to MyISP");
    p.prog.log.append_empty_line();
    const list_box& log = p.main().o_log;
    ASSERT_EQ(log.list_count(), 2);
    EXPECT_EQ(log.item(0), "12-05-1999 - 08:30:00 Connected to MyISP");
    EXPECT_EQ(log.item(1), "");
    EXPECT_EQ(log.list_index(), 1);
    for (const int answer : {box::no, box::yes}) {
        p.dialogs.expect_message("Are you sure you want to clear the log?", answer);
        p.main().b_clear_log.click();
        EXPECT_EQ(log.list_count(), answer == box::no ? 2 : 0);
    }
    EXPECT_EQ(p.dialogs.messages().back().flags, 68);
}

TEST(session_log, save_writes_crlf_lines_keeps_the_name_and_remembers_the_folder) {
    logged_program p;
    p.main().b_save_log.click();
    EXPECT_TRUE(p.dialogs.file_requests().empty()) << "an empty log is not saved";
    p.prog.log.append_log_line(" one");
    p.prog.log.append_empty_line();
    p.prog.log.append_log_line(" two");
    std::filesystem::create_directories(p.folder / "Saved");
    p.dialogs.answer_file_dialog(p.folder / "Saved/Report.LOG");
    p.main().b_save_log.click();
    p.main().b_save_log.click();  // cancelled: the folder stays

    const auto& requests = p.dialogs.file_requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].title, "Select the Text File Containing Addresses");
    EXPECT_EQ(requests[0].filter, "Log (*.log)|*.log|Text (*.txt)|*.txt|All (*.*)|*.*");
    EXPECT_EQ(requests[0].initial_folder, p.system.home_folder());
    EXPECT_EQ(requests[0].names, file_names::new_allowed) << "a new file may be named";
    EXPECT_EQ(requests[0].action, file_action::save);
    EXPECT_EQ(requests[1].initial_folder, native_paths().stored(p.folder / "Saved/"));
    EXPECT_EQ(p.file("Saved/Report.LOG"),
              "12-05-1999 - 08:30:00 one\r\n\r\n12-05-1999 - 08:30:00 two\r\n");

    std::filesystem::create_directories(p.folder / "taken.log");
    p.dialogs.answer_file_dialog(p.folder / "taken.log");
    p.dialogs.expect_message("The log could not be saved: cannot replace '" +
                             native_paths().stored(p.folder / "taken.log") + "': Is a directory");
    p.main().b_save_log.click();
    EXPECT_FALSE(p.ended()) << "a save that cannot write tells the user and goes on";
}

}  // namespace
}  // namespace tw
