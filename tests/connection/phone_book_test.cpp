#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/posix/posix_processes.hpp"
#include "test_program.hpp"

namespace tw {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::test_options;
using testing::test_program;

// Sets an environment variable (nullptr: unsets it) for one test.
class scoped_env {
public:
    scoped_env(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        set(value);
    }
    ~scoped_env() { set(old_ ? old_->c_str() : nullptr); }
    scoped_env(const scoped_env&) = delete;
    scoped_env& operator=(const scoped_env&) = delete;

private:
    void set(const char* value) {
        if (value) {
            ::setenv(name_, value, 1);
        } else {
            ::unsetenv(name_);
        }
    }
    const char* name_;
    std::optional<std::string> old_;
};

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

TEST(phone_book, the_entry_list_shows_the_dialers_entries_in_its_order) {
    book_program p;
    EXPECT_THAT(p.entries(), ElementsAre("Office", "Home"));
    p.write("system/ras/rasphone.pbk", "");
    p.dialer.refresh();
    p.drive([&] { p.prog.phonebook.fill_entry_list(); });
    EXPECT_THAT(p.entries(), IsEmpty()) << "no entries: the old ones go too";

    book_program none({.phone_book = ""});
    EXPECT_THAT(none.entries(), IsEmpty());
}

TEST(phone_book, a_chosen_phone_book_is_kept_with_its_case_only_when_it_exists) {
    book_program p;
    const std::string chosen = p.folder / "Books/Office.PBK";
    p.write("Books/Office.PBK", "[Office]\r\n");
    p.choose(chosen);
    EXPECT_EQ(p.prog.phonebook_path, chosen);
    ASSERT_EQ(p.dialogs.file_requests().size(), 1u);
    const file_request& asked = p.dialogs.file_requests()[0];
    EXPECT_EQ(asked.title, "Select the Text File Containing Addresses");
    EXPECT_EQ(asked.filter, "Phonebook (*.pbk)|*.pbk");
    EXPECT_EQ(asked.initial_folder, p.system_dir + "/ras");
    EXPECT_EQ(asked.file_name, "");

    p.choose("  " + chosen + " ");
    EXPECT_EQ(p.prog.phonebook_path, chosen) << "blanks around the name are dropped";
    p.choose(p.folder / "Books/office.pbk");
    EXPECT_EQ(p.prog.phonebook_path, "") << "another case is another, missing file";
    p.choose(chosen);
    p.choose("");
    EXPECT_EQ(p.prog.phonebook_path, "") << "a cancel chooses none";
}

TEST(phone_book, picking_an_entry_enables_connect_and_select_default_takes_it) {
    book_program p;
    combo_box& list = p.main().o_phonebook_list;
    list.set_list_index(1);
    EXPECT_TRUE(p.main().b_connect.enabled());
    p.click(p.main().b_set_default_IPS);
    EXPECT_EQ(p.main().l_default_isp.caption(), "Home");
    EXPECT_EQ(p.prog.default_isp, "Home");

    list.set_list_index(-1);
    EXPECT_FALSE(p.main().b_connect.enabled());
    p.click(p.main().b_set_default_IPS);
    EXPECT_EQ(p.main().l_default_isp.caption(), "");
    EXPECT_EQ(p.prog.default_isp, "");
}

TEST(phone_book, outside_the_nt_family_the_update_button_only_explains) {
    book_program p({.phone_book = "[Office]\r\n", .platform = 1});
    p.dialogs.expect_message(
        "To add or update your phone book entries, select 'My Computer\\Dial-Up Networking'.");
    p.write("system/ras/rasphone.pbk", "[Office]\r\n[New]\r\n");
    p.click(p.main().b_update_phonebook);
    ASSERT_EQ(p.dialogs.messages().size(), 1u);
    EXPECT_EQ(p.dialogs.messages()[0].flags, 64);
    EXPECT_EQ(p.dialogs.messages()[0].title, "Tarnwick v1.20");
    EXPECT_THAT(p.fakes.started(), IsEmpty());
    EXPECT_THAT(p.entries(), ElementsAre("Office"));
}

TEST(phone_book, the_update_button_opens_the_phone_book_in_the_users_editor_and_rereads_it) {
    posix_processes processes;
    book_program p({.phone_book = "", .real_processes = &processes});
    p.loop.pace_in_real_time(true);
    // An editor that notes its arguments and adds an entry to the file it is given.
    const std::string editor = p.folder / "editor";
    p.write("editor",
            "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\n"
            "for f; do :; done; printf '[Added]\\r\\n' >> \"$f\"\n");
    std::filesystem::permissions(editor, std::filesystem::perms::owner_all);
    const scoped_env visual("VISUAL", nullptr);
    const scoped_env editor_variable("EDITOR", "editor --wait");
    const scoped_env path("PATH", p.folder.path().c_str());

    // None chosen: the system's phone book is edited and, now there, chosen.
    p.click(p.main().b_update_phonebook);
    const std::string system_book = p.system_dir + "/ras/rasphone.pbk";
    EXPECT_EQ(p.file("editor.args"), "--wait\n" + system_book + "\n");
    EXPECT_EQ(p.prog.phonebook_path, system_book);
    EXPECT_THAT(p.entries(), ElementsAre("Added"));

    // A chosen book in a folder with a blank in its name.
    const std::string chosen = p.folder / "my books/office.pbk";
    p.write("my books/office.pbk", "[Office]\r\n");
    p.prog.phonebook_path = chosen;
    p.click(p.main().b_update_phonebook);
    EXPECT_EQ(p.file("editor.args"), "--wait\n" + chosen + "\n");
    EXPECT_THAT(p.entries(), ElementsAre("Office", "Added"));
    EXPECT_THAT(p.dialogs.messages(), IsEmpty());
}

TEST(phone_book, a_missing_editor_is_reported_and_the_entries_are_reread_all_the_same) {
    book_program p({.phone_book = ""});
    const scoped_env visual("VISUAL", "no-such-editor");
    const scoped_env path("PATH", p.folder.path().c_str());
    p.write("system/ras/rasphone.pbk", "[Office]\r\n");
    p.dialogs.expect_message(
        "The 'no-such-editor' software cannot be found.  You must locate "
        "the software in the 'Applications' menu option and try again.");
    p.click(p.main().b_update_phonebook);
    EXPECT_THAT(p.log_texts(), ElementsAre(" File Not Found: no-such-editor"));
    EXPECT_THAT(p.fakes.started(), IsEmpty());
    EXPECT_THAT(p.entries(), ElementsAre("Office"));
}

}  // namespace
}  // namespace tw
