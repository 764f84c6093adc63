#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "phone_book_program.hpp"
#include "platform/path_rules.hpp"

namespace tw {
namespace {

using testing::book_program;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::test_program;

// A refill (after the phone book was edited) keeps the entry shown while the
// list still holds it; Connect is enabled only with an entry.
TEST(phone_book, the_entry_list_shows_the_dialers_entries_and_keeps_the_entry_shown) {
    const struct {
        const char *book, *shown;
        std::vector<std::string> entries;
    } cases[] = {
        {"[New]\r\n[Home]\r\n", "Home", {"New", "Home"}}, {"[New]\r\n", "", {"New"}}, {"", "", {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.book);
        book_program p;
        EXPECT_THAT(p.entries(), ElementsAre("Office", "Home"));
        p.main().o_phonebook_list.set_list_index(1);
        p.write("system/ras/rasphone.pbk", c.book);
        p.dialer.refresh();
        p.drive([&] { p.prog.phonebook.fill_entry_list(); });
        EXPECT_EQ(p.entries(), c.entries);
        const combo_box& list = p.main().o_phonebook_list;
        EXPECT_EQ(list.text(), c.shown);
        EXPECT_EQ(list.list_index(), *c.shown ? 1 : -1);
        EXPECT_EQ(p.main().b_connect.enabled(), *c.shown != 0);
    }
    EXPECT_THAT(book_program({.phone_book = ""}).entries(), IsEmpty());
}

// The list and the dial use one phone book: the chosen file, from the start
// on, and once one is picked where there was none.
TEST(phone_book, the_list_shows_the_entries_of_the_chosen_phone_book) {
    for (const bool picked : {false, true}) {
        SCOPED_TRACE(picked);
        test_program p({.phone_book = picked ? "" : "[MyISP]\r\n",
                        .command_line = picked ? "" : "/s Mine /d"});
        const std::string mine = p.folder / "mine.pbk";
        p.write("mine.pbk", "[Mine]\r\n");
        if (!picked) p.write("tw.ini", "[Current]\r\nRAS Phonebook=" + mine + "\r\n");
        p.start_up();
        if (picked) {
            p.dialogs.answer_file_dialog(mine);
            p.drive([&] { p.prog.phonebook.choose_phonebook(); });
        }
        p.run_for(10);
        EXPECT_THAT(p.main().o_phonebook_list.items(), ElementsAre("Mine"));
        if (!picked) {
            EXPECT_THAT(p.log_texts(),
                        ElementsAre(" Dialing Mine (pass #1)", " Connected to Mine"));
        }
    }
}

TEST(phone_book, a_chosen_phone_book_is_kept_with_its_case_only_when_it_exists) {
    book_program p;
    const std::string chosen = p.folder / "Books/Office.PBK";
    p.write("Books/Office.PBK", "[Office]\r\n");
    p.choose("  " + chosen + " ");
    EXPECT_EQ(p.prog.phonebook_path, native_paths().stored(chosen))
        << "blanks around the name are dropped";
    ASSERT_EQ(p.dialogs.file_requests().size(), 1u);
    const file_request& asked = p.dialogs.file_requests()[0];
    EXPECT_EQ(asked.filter, "Phonebook (*.pbk)|*.pbk");
    EXPECT_EQ(asked.initial_folder, p.folder / "system/ras");
    const std::string other_case = p.folder / "Books/office.pbk";
    p.choose(other_case);
    EXPECT_EQ(p.prog.phonebook_path,
              native_paths().case_sensitive ? "" : native_paths().stored(other_case))
        << "another case is another file only where names are case-sensitive";
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

}  // namespace
}  // namespace tw
