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

posix_processes& real_processes() {
    static posix_processes processes;
    return processes;
}

// The tools the button may start, in the program folder, which is the PATH.
// Each notes its name and arguments in calls.txt; an editor adds an entry to
// the file it is given, the terminal runs what follows its -e.
struct editing_program : book_program {
    editing_program() : book_program({.phone_book = "", .real_processes = &real_processes()}) {
        loop.pace_in_real_time(true);
        const std::string add_entry = "for f; do :; done; printf '[Added]\\r\\n' >> \"$f\"\n";
        for (const char* editor : {"editor", "window-editor", "xdg-open"}) tool(editor, add_entry);
        tool("x-terminal-emulator", "shift; exec \"$@\"\n");
        tool("failing-editor", "exit 3\n");
        write("dangling-editor", "#!/no/such/shell\n");
        std::filesystem::permissions(folder / "dangling-editor", std::filesystem::perms::owner_all);
        for (const char* editor :
             {"window-editor", "no-such-editor", "dangling-editor", "failing-editor"})
            write("share/applications/" + std::string(editor) + ".desktop",
                  "[Desktop Entry]\nType=Application\nName=An Editor\nExec=" + std::string(editor) +
                      " %F\nTerminal=false\n");
    }
    void tool(const std::string& name, const std::string& body) {
        write(name, "#!/bin/sh\necho \"${0##*/} $*\" >> \"${0%/*}/calls.txt\"\n" + body);
        std::filesystem::permissions(folder / name, std::filesystem::perms::owner_all);
    }
    std::string update() {
        write("calls.txt", "");
        click(main().b_update_phonebook);
        return file("calls.txt");
    }

    scoped_env visual{"VISUAL", nullptr}, editor{"EDITOR", nullptr},
        path{"PATH", folder.path().c_str()}, data_home{"XDG_DATA_HOME", (folder / "share").c_str()},
        data_dirs{"XDG_DATA_DIRS", (folder / "none").c_str()};
};

TEST(phone_book, the_update_button_runs_the_users_editor_on_the_phone_book_and_rereads_it) {
    editing_program p;
    p.editor.set("editor --wait");
    // None chosen: the system's phone book is edited and, now there, chosen.
    const std::string system_book = p.system_dir + "/ras/rasphone.pbk";
    EXPECT_EQ(p.update(), "x-terminal-emulator -e editor --wait " + system_book +
                              "\neditor --wait " + system_book + "\n");
    EXPECT_EQ(p.prog.phonebook_path, system_book);
    EXPECT_THAT(p.entries(), ElementsAre("Added"));

    const std::string chosen = p.folder / "my books/office.pbk";
    p.write("my books/office.pbk", "[Office]\r\n");
    p.prog.phonebook_path = chosen;
    p.visual.set("window-editor");
    EXPECT_EQ(p.update(), "window-editor " + chosen + "\n");
    EXPECT_THAT(p.entries(), ElementsAre("Office", "Added"));
}

// An editor for a terminal gets one; a window editor (it has a desktop entry
// outside a terminal) and the desktop's opener are started as they are.
TEST(phone_book, the_phone_book_opens_where_the_user_sees_it) {
    const struct {
        const char *visual, *editor, *started;
    } cases[] = {{nullptr, "editor", "x-terminal-emulator -e editor"},
                 {"window-editor", "editor", "window-editor"},
                 {nullptr, "window-editor --wait", "window-editor --wait"},
                 {nullptr, nullptr, "xdg-open"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.started);
        editing_program p;
        p.visual.set(c.visual);
        p.editor.set(c.editor);
        const std::string calls = p.update();
        EXPECT_EQ(calls.substr(0, calls.find('\n')),
                  std::string(c.started) + " " + p.prog.phonebook_path);
    }
}

// An editor that shows nothing is told, and the entries are read again all the same.
TEST(phone_book, an_editor_that_is_missing_does_not_start_or_fails_at_once_is_reported) {
    editing_program p;
    p.write("system/ras/rasphone.pbk", "[Late]\r\n");
    const std::string book = p.system_dir + "/ras/rasphone.pbk";
    const struct {
        const char* editor;
        std::string message;
    } cases[] = {
        {"no-such-editor",
         "The 'no-such-editor' software cannot be found.  You must locate the software in the "
         "'Applications' menu option and try again."},
        {"dangling-editor", "The phone book editor could not be started: " +
                                p.folder / "dangling-editor" + " " + book},
        {"failing-editor",
         "The phone book editor ended at once (exit 3), so the phone book was not shown: " +
             p.folder / "failing-editor" + " " + book},
        {"no-such-terminal-editor",
         "The phone book editor ended at once (exit 127), so the phone book was not shown: " +
             p.folder / "x-terminal-emulator" + " -e no-such-terminal-editor " + book}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.editor);
        p.visual.set(c.editor);
        p.dialogs.expect_message(c.message);
        p.update();
        EXPECT_THAT(p.entries(), ElementsAre("Late"));
    }
    EXPECT_THAT(p.log_texts(), ElementsAre(" File Not Found: no-such-editor"));
}

}  // namespace
}  // namespace tw
