#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/ini_document.hpp"
#include "platform/path_rules.hpp"
#include "test_program.hpp"

namespace tw {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::test_program;

constexpr const char* field_sections[] = {"Parameters", "Start Time", "Stop Time", "Interval",
                                          "Enabled"};

// A task file of `paths`, task i holding "<i>" in every field.
std::string task_file_of(const std::vector<std::string>& paths) {
    std::string text = "[Tasks]\r\n";
    for (std::size_t i = 0; i < paths.size(); ++i)
        text += "task" + std::to_string(i) + "=" + paths[i] + "\r\n";
    for (const char* section : field_sections) {
        text += "[" + std::string(section) + "]\r\n";
        for (std::size_t i = 0; i < paths.size(); ++i)
            text += paths[i] + "=" + std::to_string(i) + "\r\n";
    }
    return text;
}

struct task_program : test_program {
    explicit task_program(const std::string& task_ini = "") {
        if (!task_ini.empty()) write("task.ini", task_ini);
        start_up();
    }
    ini_document task_ini() const { return ini_document(file("task.ini")); }
    std::vector<std::string> rows() const { return prog.main.o_task_list.items(); }
    void load() {
        drive([this] { prog.tasks.load_tasks(); });
    }
    bool menu_shown(int index) { return main().menuAppsItem(index).visible(); }
    // How many files clicking `b` wrote.
    std::size_t writes_by(button& b) {
        const std::size_t before = prog.profiles.files_written();
        click(b);
        return prog.profiles.files_written() - before;
    }
};

TEST(task_file, loading_replaces_the_records_up_to_the_first_empty_task_key) {
    task_program p(task_file_of({"/bin/old"}));
    p.write("task.ini",
            "[Tasks]\r\ntask0=/bin/a\r\ntask1=/bin/b\r\ntask2=/bin/c\r\ntask3=/bin/d\r\ntask4=\r\n"
            "task5=/bin/e\r\n[Enabled]\r\n/bin/a=Maybe\r\n/bin/b=no\r\n/bin/c=\r\n/bin/e=Y\r\n"
            "[Parameters]\r\n/bin/a=\"c:\\my files\\a.txt\" -q\r\n[Start Time]\r\n/bin/a=08:00\r\n"
            "[Stop Time]\r\n/bin/a=18:00\r\n[Interval]\r\n/bin/a=Daily\r\n");
    // Text first: with a caption, the editor would store it and save.
    p.main().o_parameters.set_text("-shown");
    p.main().o_application.set_caption("/bin/shown");
    p.load();
    EXPECT_EQ(p.main().o_application.caption(), "");
    EXPECT_EQ(p.main().o_parameters.text(), "");
    EXPECT_THAT(p.rows(), ElementsAre("/bin/a", "/bin/b", "/bin/c", "/bin/d"));
    EXPECT_THAT(p.controls().tasks, ElementsAre(task_entry{"/bin/a", "\"c:\\my files\\a.txt\" -q",
                                                           "08:00", "18:00", "Daily", "Y"},
                                                task_entry{"/bin/b", "", "", "", "", "N"},
                                                task_entry{"/bin/c", "", "", "", "", "N"},
                                                task_entry{"/bin/d", "", "", "", "", "N"}));
    const std::string first_empty = "[Tasks]\r\ntask0=\r\ntask1=/bin/a\r\n";
    task_program empty_first(first_empty);
    EXPECT_THAT(empty_first.rows(), IsEmpty());
    EXPECT_EQ(empty_first.file("task.ini"), first_empty) << "an empty list writes nothing";
}

// As a missing file, one that is there but cannot be read gives an empty
// list; log.txt says why, as for the settings.
TEST(task_file, a_task_file_that_cannot_be_read_is_an_empty_list_and_is_logged) {
    for (const bool folder : {false, true}) {
        test_program p;
        if (folder) std::filesystem::create_directories(p.folder / "task.ini");
        p.start_up();
        EXPECT_THAT(p.main().o_task_list.items(), IsEmpty());
        EXPECT_EQ(
            p.file("log.txt").find("cannot read " + (p.folder / "task.ini")) != std::string::npos,
            folder)
            << p.file("log.txt");
    }
}

TEST(task_file, a_path_holding_a_companion_name_anywhere_shows_its_menu_on_loading) {
    task_program p;
    p.write("task.ini", task_file_of({"/opt/StockFC.EXE", p.folder / "tools/xpw.exe"}));
    p.load();
    EXPECT_TRUE(p.menu_shown(20));
    EXPECT_FALSE(p.menu_shown(80));
    EXPECT_TRUE(p.menu_shown(10)) << "xpw.exe counts as the e-mail companion";
    EXPECT_EQ(p.prog.mail_account_file_path, native_paths().stored(p.folder / "tools/pw.ini"))
        << "no account file yet: kept";
    p.write("tools/pw.ini", "[SMTP]\r\nPOP Host=pop.example\r\n");
    p.load();
    EXPECT_EQ(p.prog.mail_account_file_path, "") << "an incomplete account is forgotten";
    p.write("task.ini", task_file_of({"/opt/wpmfc.exe"}));
    p.load();
    EXPECT_TRUE(p.menu_shown(80));
}

TEST(task_file, saving_renumbers_the_rows_in_one_write_and_keeps_fields_of_unlisted_programs) {
    task_program p(task_file_of({"/bin/a", "/bin/b", "/bin/c"}));
    p.main().o_task_list.remove_item(0);  // as a row leaves without a delete
    p.controls().tasks[2].interval = "Daily";
    // A path no key can hold is listed without fields; the rest is saved.
    p.main().o_task_list.add_item("/opt/a=b/tool");
    p.controls().tasks.push_back({"/opt/a=b/tool", "-q", "", "", "", "N"});
    EXPECT_EQ(p.writes_by(p.main().b_save_task), 1u);
    const ini_document file = p.task_ini();
    EXPECT_EQ(file.read("Tasks", "task0"), "/bin/b");
    EXPECT_EQ(file.read("Tasks", "task1"), "/bin/c");
    EXPECT_EQ(file.read("Tasks", "task2"), "/opt/a=b/tool");
    EXPECT_EQ(file.read("Tasks", "task3"), "");
    EXPECT_EQ(file.read("Interval", "/bin/c"), "Daily");
    EXPECT_EQ(file.read("Parameters", "/bin/a"), "0") << "only a delete removes fields";
    p.load();
    EXPECT_THAT(p.rows(), ElementsAre("/bin/b", "/bin/c", "/opt/a=b/tool"));
}

TEST(task_file, deleting_removes_only_the_selected_program_from_every_section_and_renumbers) {
    task_program p;
    const std::string companion = p.folder / "pw.exe";
    const std::string text = task_file_of({"/bin/app2", "/bin/app", companion});
    p.write("task.ini", text);
    p.load();
    const auto edit_and_delete = [&](int row) {
        if (row >= 0) p.main().o_task_list.set_list_index(row);
        p.main().o_parameters.set_text("-x");
        p.main().o_application.set_caption("/bin/x");
        EXPECT_EQ(p.writes_by(p.main().b_delete_task), row >= 0 ? 1u : 0u);
        EXPECT_EQ(p.main().o_application.caption(), "");
        EXPECT_EQ(p.main().o_parameters.text(), "");
    };
    edit_and_delete(-1);
    EXPECT_EQ(p.file("task.ini"), text) << "no row selected: only the editor is cleared";

    edit_and_delete(1);
    EXPECT_THAT(p.rows(), ElementsAre("/bin/app2", companion));
    EXPECT_EQ(p.main().FlatScrollBar1.max(), 1);
    ini_document file = p.task_ini();
    EXPECT_EQ(file.read("Tasks", "task0"), "/bin/app2");
    EXPECT_EQ(file.read("Tasks", "task1"), companion);
    EXPECT_EQ(file.read("Tasks", "task2"), "");
    for (const char* section : field_sections) {
        EXPECT_EQ(file.read(section, "/bin/app"), "") << section;
        EXPECT_NE(file.read(section, "/bin/app2"), "") << section;
        EXPECT_NE(file.read(section, companion), "") << section;
    }

    ASSERT_TRUE(p.menu_shown(10));
    edit_and_delete(1);
    EXPECT_FALSE(p.menu_shown(10));
    EXPECT_EQ(p.prog.mail_account_file_path, "");
    EXPECT_EQ(p.file("task.ini").find(companion), std::string::npos);
}

TEST(task_file, after_a_save_or_delete_the_tasks_section_holds_exactly_the_list) {
    task_program p(
        "[Tasks]\r\ntask0=/bin/a\r\ntask0=/bin/b\r\ntask1=/bin/c\r\ntask1=/bin/d\r\n"
        "task3=/bin/e\r\n");
    p.main().o_task_list.add_item("/bin/line\nbreak");
    p.click(p.main().b_save_task);
    EXPECT_EQ(p.file("task.ini").substr(0, 38), "[Tasks]\r\ntask0=/bin/a\r\ntask1=/bin/c\r\n[");
    for (const int row : {0, 0}) {
        p.main().o_task_list.set_list_index(row);
        p.click(p.main().b_delete_task);
        p.load();
    }
    EXPECT_THAT(p.rows(), IsEmpty());
    EXPECT_EQ(p.file("task.ini").substr(0, 10), "[Tasks]\r\n[");
}

TEST(task_file, a_first_run_adds_the_companions_found_beside_the_program_and_else_writes_nothing) {
    task_program none;
    none.click(none.main().b_save_task);
    EXPECT_FALSE(std::filesystem::exists(none.folder / "task.ini"));
    test_program p;
    p.write("stock_fc.exe", "");
    p.write("pw.exe", "");
    p.write("pw.ini",
            "[SMTP]\r\nPOP User Password=x\r\nPOP User ID=me\r\nPOP Host=pop.example\r\n"
            "User Name=Me\r\nUser Address=me@example\r\nDomain=example\r\nOutbox=outbox\r\n");
    p.start_up();
    const std::string stock = p.folder / "stock_fc.exe", mail = p.folder / "pw.exe";
    EXPECT_THAT(p.controls().tasks,
                ElementsAre(task_entry{stock, "", "", "", "", "N"},
                            task_entry{mail, "/mode=auto /x", "", "", "", "N"}));
    EXPECT_FALSE(p.main().menuAppsItem(20).visible()) << "stock_fc.exe is no module";
    EXPECT_TRUE(p.main().menuAppsItem(10).visible());
    const ini_document file(p.file("task.ini"));
    EXPECT_EQ(file.read("Tasks", "task1"), mail);
    EXPECT_EQ(file.read("Parameters", mail), "/mode=auto /x");
    EXPECT_EQ(file.read("Enabled", stock), "N");
    // The companion's account is known at once, so its task runs without a reload.
    p.main().o_simulated_connection.set_value(1);
    p.main().o_task_list.set_list_index(1);
    p.click(p.main().b_run_task_now);
    ASSERT_EQ(p.fakes.started().size(), 2u);
    EXPECT_EQ(p.fakes.started()[0].command_line, " /app=tarnlink") << "its setup, at seeding";
    EXPECT_EQ(p.fakes.started()[1].command_line, " /mode=auto /x");
}

// An editor adds a task to the file while the window shows the list; a change
// of the list made in the window then applies to the file as it is now.
TEST(task_file, a_task_an_editor_added_survives_each_change_of_the_list_made_afterwards) {
    const std::vector<std::string> edited = {"/bin/a", "/bin/b", "/bin/c", "/bin/hostname"};
    const struct {
        const char* change;
        std::vector<std::string> rows;
    } cases[] = {
        {"Save", edited},
        {"Delete", {"/bin/a", "/bin/c", "/bin/hostname"}},
        {"ORDER", {"/bin/a", "/bin/c", "/bin/b", "/bin/hostname"}},
        {"Add", {"/bin/a", "/bin/b", "/bin/c", "/bin/hostname", "/bin/new"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        task_program p(task_file_of({"/bin/a", "/bin/b", "/bin/c"}));
        frm_main& m = p.main();
        m.o_task_list.set_list_index(1);
        p.write("task.ini", task_file_of(edited));
        const std::string change = c.change;
        if (change == "Save") p.click(m.b_save_task);
        if (change == "Delete") p.click(m.b_delete_task);
        if (change == "ORDER") p.drive([&] { m.FlatScrollBar1.set_value(2); });
        if (change == "Add") {
            p.dialogs.answer_file_dialog("/bin/new");
            p.click(m.b_add_task);
        }
        EXPECT_EQ(p.rows(), c.rows);
        const ini_document file = p.task_ini();
        for (std::size_t i = 0; i < c.rows.size(); ++i)
            EXPECT_EQ(file.read("Tasks", task_key(static_cast<int>(i))), c.rows[i]);
        EXPECT_EQ(file.read("Parameters", "/bin/hostname"), "3") << "its fields stay";
    }
}

}  // namespace
}  // namespace tw
