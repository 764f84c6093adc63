#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/posix/posix_processes.hpp"
#include "scoped_env.hpp"
#include "test_program.hpp"

namespace tw {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::scoped_env;
using testing::test_options;
using testing::test_program;

struct book_program : test_program {
    explicit book_program(test_options options = {.phone_book = "[Office]\r\n[Home]\r\n"})
        : test_program(std::move(options)) {
        start_up();
    }
    std::vector<std::string> entries() const { return prog.main.o_phonebook_list.items(); }
    void choose(const std::string& answer) {
        dialogs.answer_file_dialog(answer);
        drive([this] { prog.phonebook.choose_phonebook(); });
    }
};

TEST(phone_book, the_entry_list_shows_the_dialers_entries_in_order_and_none_when_there_are_none) {
    book_program p;
    EXPECT_THAT(p.entries(), ElementsAre("Office", "Home"));
    p.write("system/ras/rasphone.pbk", "");
    p.dialer.refresh();
    p.drive([&] { p.prog.phonebook.fill_entry_list(); });
    EXPECT_THAT(p.entries(), IsEmpty()) << "the old entries go too";
    EXPECT_THAT(book_program({.phone_book = ""}).entries(), IsEmpty());
}

TEST(phone_book, a_chosen_phone_book_is_kept_with_its_case_only_when_it_exists) {
    book_program p;
    const std::string chosen = p.folder / "Books/Office.PBK";
    p.write("Books/Office.PBK", "[Office]\r\n");
    p.choose("  " + chosen + " ");
    EXPECT_EQ(p.prog.phonebook_path, chosen) << "blanks around the name are dropped";
    ASSERT_EQ(p.dialogs.file_requests().size(), 1u);
    const file_request& asked = p.dialogs.file_requests()[0];
    EXPECT_EQ(asked.filter, "Phonebook (*.pbk)|*.pbk");
    EXPECT_EQ(asked.initial_folder, p.system_dir + "/ras");
    p.choose(p.folder / "Books/office.pbk");
    EXPECT_EQ(p.prog.phonebook_path, "") << "another case is another, missing file";
    p.choose(chosen);
    p.choose("");
    EXPECT_EQ(p.prog.phonebook_path, "") << "a cancel chooses none";
}

TEST(phone_book, outside_the_nt_family_the_update_button_only_explains) {
    book_program p({.phone_book = "[Office]\r\n", .platform = 1});
    p.dialogs.expect_message(
        "To add or update your phone book entries, select 'My Computer\\Dial-Up Networking'.");
    p.write("system/ras/rasphone.pbk", "[Office]\r\n[New]\r\n");
    p.click(p.main().b_update_phonebook);
    ASSERT_EQ(p.dialogs.messages().size(), 1u);
    EXPECT_EQ(p.dialogs.messages()[0].flags, 64);
    EXPECT_THAT(p.fakes.started(), IsEmpty());
    EXPECT_THAT(p.entries(), ElementsAre("Office"));
}

TEST(phone_book, the_update_button_runs_the_users_editor_on_the_phone_book_and_rereads_it) {
    posix_processes processes;
    book_program p({.phone_book = "", .real_processes = &processes});
    p.loop.pace_in_real_time(true);
    // An editor that notes its arguments and adds an entry to the file it is given.
    p.write("editor",
            "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\n"
            "for f; do :; done; printf '[Added]\\r\\n' >> \"$f\"\n");
    std::filesystem::permissions(p.folder / "editor", std::filesystem::perms::owner_all);
    scoped_env visual("VISUAL", nullptr), editor("EDITOR", "editor --wait"),
        path("PATH", p.folder.path().c_str());

    // None chosen: the system's phone book is edited and, now there, chosen.
    p.click(p.main().b_update_phonebook);
    const std::string system_book = p.system_dir + "/ras/rasphone.pbk";
    EXPECT_EQ(p.file("editor.args"), "--wait\n" + system_book + "\n");
    EXPECT_EQ(p.prog.phonebook_path, system_book);
    EXPECT_THAT(p.entries(), ElementsAre("Added"));

    const std::string chosen = p.folder / "my books/office.pbk";
    p.write("my books/office.pbk", "[Office]\r\n");
    p.prog.phonebook_path = chosen;
    p.click(p.main().b_update_phonebook);
    EXPECT_EQ(p.file("editor.args"), "--wait\n" + chosen + "\n");
    EXPECT_THAT(p.entries(), ElementsAre("Office", "Added"));

    // VISUAL comes first; a missing editor is reported and the entries are reread all the same.
    visual.set("no-such-editor");
    p.write("my books/office.pbk", "[Late]\r\n");
    p.dialogs.expect_message(
        "The 'no-such-editor' software cannot be found.  You must locate the software in the "
        "'Applications' menu option and try again.");
    p.click(p.main().b_update_phonebook);
    EXPECT_THAT(p.log_texts(), ElementsAre(" File Not Found: no-such-editor"));
    EXPECT_THAT(p.entries(), ElementsAre("Late"));
}

}  // namespace
}  // namespace tw
