#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "phone_book_program.hpp"
#include "platform/path_rules.hpp"

namespace tw {
namespace {

using testing::book_program;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

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
