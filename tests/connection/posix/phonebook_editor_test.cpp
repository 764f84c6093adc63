#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "../phone_book_program.hpp"
#include "platform/posix/posix_processes.hpp"
#include "scoped_env.hpp"

namespace tw {
namespace {

using testing::book_program;
using ::testing::ElementsAre;
using testing::scoped_env;

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
