#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/ini_document.hpp"
#include "test_program.hpp"

namespace tw {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::test_program;

constexpr const char* field_sections[] = {"Parameters", "Start Time", "Stop Time", "Interval",
                                          "Enabled"};

// A task file of `paths`, task i holding parameters "-i", times, interval and "Yes".
std::string task_file_of(const std::vector<std::string>& paths) {
    std::string tasks = "[Tasks]\r\n";
    std::string fields;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        tasks += "task" + std::to_string(i) + "=" + paths[i] + "\r\n";
        fields += paths[i] + "\r\n";
    }
    std::string text = tasks;
    const std::string values[] = {"-", "08:00", "18:00", "1 hour", "Yes"};
    for (std::size_t s = 0; s < 5; ++s) {
        text += "[" + std::string(field_sections[s]) + "]\r\n";
        for (std::size_t i = 0; i < paths.size(); ++i)
            text += paths[i] + "=" + values[s] + (s == 0 ? std::to_string(i) : "") + "\r\n";
    }
    return text;
}

// A program started with `task_ini` (none when empty) as its task file.
struct task_program : test_program {
    explicit task_program(const std::string& task_ini = "") {
        if (!task_ini.empty()) write("task.ini", task_ini);
        start_up();
    }
    ini_document task_ini() const { return ini_document(file("task.ini")); }
    std::vector<std::string> rows() const { return prog.main.o_task_list.items(); }
    void select(int row) { main().o_task_list.set_list_index(row); }
    void load() {
        drive([this] { prog.tasks.load_tasks(); });
    }
    bool menu_shown(int index) { return main().menuAppsItem(index).visible(); }
};

TEST(task_file, loading_stops_at_the_first_empty_task_key) {
    task_program gap("[Tasks]\r\ntask0=/bin/a\r\ntask1=/bin/b\r\ntask2=\r\ntask3=/bin/c\r\n");
    EXPECT_THAT(gap.rows(), ElementsAre("/bin/a", "/bin/b"));

    const std::string first_empty = "[Tasks]\r\ntask0=\r\ntask1=/bin/a\r\n";
    task_program empty_first(first_empty);
    EXPECT_THAT(empty_first.rows(), IsEmpty());
    EXPECT_EQ(empty_first.file("task.ini"), first_empty) << "an empty list writes nothing";
}

TEST(task_file, loading_fills_the_records_and_reads_enabled_as_y_or_n) {
    task_program p;
    const std::pair<const char*, const char*> enabled[] = {
        {"y", "Y"}, {"Y", "Y"},  {"yes", "Y"}, {"Yes", "Y"}, {"Maybe", "Y"},
        {"n", "N"}, {"no", "N"}, {"No", "N"},  {"", "N"},    {nullptr, "N"}};
    std::string text = "[Tasks]\r\n";
    for (std::size_t i = 0; i < std::size(enabled); ++i)
        text += "task" + std::to_string(i) + "=/bin/t" + std::to_string(i) + "\r\n";
    text += "[Enabled]\r\n";
    for (std::size_t i = 0; i < std::size(enabled); ++i)
        if (enabled[i].first)
            text += "/bin/t" + std::to_string(i) + "=" + enabled[i].first + "\r\n";
    text +=
        "[Parameters]\r\n/bin/t0=\"c:\\my files\\a.txt\" -q\r\n[Start Time]\r\n/bin/t0=08:00\r\n"
        "[Stop Time]\r\n/bin/t0=18:00\r\n[Interval]\r\n/bin/t0=Daily\r\n";
    p.write("task.ini", text);
    p.main().o_application.set_caption("/bin/shown");
    p.main().o_parameters.set_text("-shown");
    p.load();

    EXPECT_EQ(p.main().o_application.caption(), "");
    EXPECT_EQ(p.main().o_parameters.text(), "");
    ASSERT_EQ(p.controls().tasks.size(), std::size(enabled)) << "earlier records are dropped";
    for (std::size_t i = 0; i < std::size(enabled); ++i)
        EXPECT_EQ(p.controls().tasks[i].enabled, enabled[i].second)
            << (enabled[i].first ? enabled[i].first : "missing");
    EXPECT_EQ(p.controls().tasks[0], (task_entry{"/bin/t0", "\"c:\\my files\\a.txt\" -q", "08:00",
                                                 "18:00", "Daily", "Y"}));
    EXPECT_EQ(p.controls().tasks[1], (task_entry{"/bin/t1", "", "", "", "", "Y"}));
}

TEST(task_file, companions_are_recognised_on_loading_by_any_path_holding_their_names) {
    task_program p;
    const std::string tools = p.folder / "tools";
    p.write("task.ini", task_file_of({"/opt/StockFC.EXE", tools + "/xpw.exe"}));
    p.load();
    EXPECT_TRUE(p.menu_shown(20));
    EXPECT_FALSE(p.menu_shown(80));
    EXPECT_TRUE(p.menu_shown(10)) << "xpw.exe counts as the e-mail companion";
    EXPECT_EQ(p.prog.mail_account_file_path, tools + "/pw.ini") << "no account file yet: kept";

    p.write("tools/pw.ini", "[SMTP]\r\nPOP Host=pop.example\r\n");
    p.load();
    EXPECT_EQ(p.prog.mail_account_file_path, "") << "an incomplete account is forgotten";

    p.write("tools/pw.ini",
            "[SMTP]\r\nPOP User Password=s\r\nPOP User ID=me\r\nPOP Host=h\r\nUser Name=Me\r\n"
            "User Address=me@h\r\nDomain=h\r\nOutbox=o\r\n");
    p.write("task.ini", task_file_of({"/opt/wpmfc.exe", tools + "/pw.exe"}));
    p.load();
    EXPECT_TRUE(p.menu_shown(80));
    EXPECT_EQ(p.prog.mail_account_file_path, tools + "/pw.ini");
}

TEST(task_file, saving_renumbers_the_rows_and_keeps_fields_of_programs_no_longer_listed) {
    task_program p(task_file_of({"/bin/a", "/bin/b", "/bin/c"}));
    p.main().o_task_list.remove_item(0);  // as a row leaves without a delete
    p.controls().tasks[2].interval = "Daily";
    p.click(p.main().b_save_task);
    const ini_document file = p.task_ini();
    EXPECT_EQ(file.read("Tasks", "task0"), "/bin/b");
    EXPECT_EQ(file.read("Tasks", "task1"), "/bin/c");
    EXPECT_EQ(file.read("Tasks", "task2"), "");
    EXPECT_EQ(file.read("Interval", "/bin/c"), "Daily");
    EXPECT_EQ(file.read("Parameters", "/bin/a"), "-0") << "only a delete removes fields";
    p.load();
    EXPECT_THAT(p.rows(), ElementsAre("/bin/b", "/bin/c"));
}

TEST(task_file, two_rows_naming_one_program_share_the_fields_of_its_first_record) {
    task_program p(task_file_of({"/bin/a", "/bin/a", "/bin/b"}));
    EXPECT_THAT(p.rows(), ElementsAre("/bin/a", "/bin/a", "/bin/b"));
    p.controls().tasks[0].parameters = "-first";
    p.controls().tasks[1].parameters = "-second";
    p.click(p.main().b_save_task);
    const std::string text = p.file("task.ini");
    EXPECT_NE(text.find("task0=/bin/a\r\ntask1=/bin/a\r\ntask2=/bin/b\r\n"), std::string::npos);
    EXPECT_EQ(p.task_ini().read("Parameters", "/bin/a"), "-first");
    EXPECT_EQ(text.find("/bin/a=-second"), std::string::npos);
}

TEST(task_file, a_path_no_key_can_hold_is_listed_without_fields_and_the_rest_is_saved) {
    task_program p;
    for (const char* path : {"/opt/a=b/tool", "/bin/ok"}) {
        p.main().o_task_list.add_item(path);
        p.controls().tasks.push_back({path, "-q", "", "", "", "N"});
    }
    p.click(p.main().b_save_task);
    const ini_document file = p.task_ini();
    EXPECT_EQ(file.read("Tasks", "task0"), "/opt/a=b/tool");
    EXPECT_EQ(file.read("Tasks", "task1"), "/bin/ok");
    EXPECT_EQ(file.read("Parameters", "/bin/ok"), "-q");
    p.load();
    EXPECT_THAT(p.rows(), ElementsAre("/opt/a=b/tool", "/bin/ok"));
}

TEST(task_file, deleting_the_middle_task_removes_it_from_every_section_and_renumbers) {
    task_program p;
    const std::string companion = p.folder / "pw.exe";
    p.write("task.ini", task_file_of({"/bin/app2", companion, "/bin/c"}));
    p.load();
    ASSERT_TRUE(p.menu_shown(10));
    p.select(1);
    p.main().o_application.set_caption(companion);
    p.main().o_parameters.set_text("/mode=auto /x");
    p.main().o_parameters.set_back_colour(light_grey);
    p.click(p.main().b_delete_task);

    EXPECT_THAT(p.rows(), ElementsAre("/bin/app2", "/bin/c"));
    EXPECT_EQ(p.main().FlatScrollBar1.max(), 1);
    EXPECT_FALSE(p.menu_shown(10));
    EXPECT_EQ(p.prog.mail_account_file_path, "");
    EXPECT_EQ(p.main().o_application.caption(), "");
    EXPECT_EQ(p.main().o_parameters.text(), "");
    EXPECT_EQ(p.main().o_parameters.back_colour(), system_window_colour);
    const ini_document file = p.task_ini();
    EXPECT_EQ(file.read("Tasks", "task0"), "/bin/app2");
    EXPECT_EQ(file.read("Tasks", "task1"), "/bin/c");
    EXPECT_EQ(file.read("Tasks", "task2"), "");
    for (const char* section : field_sections) {
        EXPECT_EQ(file.read(section, companion), "") << section;
        EXPECT_NE(file.read(section, "/bin/c"), "") << section;
    }
    EXPECT_EQ(p.file("task.ini").find(companion), std::string::npos);
}

TEST(task_file, deleting_a_program_leaves_one_whose_path_merely_contains_it) {
    task_program p(task_file_of({"/bin/app2", "/bin/app"}));
    p.controls().tasks[0].parameters = "-changed in memory only";
    p.select(1);
    p.click(p.main().b_delete_task);
    EXPECT_THAT(p.rows(), ElementsAre("/bin/app2"));
    EXPECT_EQ(p.file("task.ini").find("/bin/app="), std::string::npos);
    EXPECT_NE(p.file("task.ini").find("/bin/app2=08:00"), std::string::npos);
}

TEST(task_file, deleting_the_last_task_leaves_a_file_without_tasks) {
    task_program p(task_file_of({"/bin/a"}));
    p.select(0);
    p.click(p.main().b_delete_task);
    EXPECT_THAT(p.rows(), IsEmpty());
    EXPECT_EQ(p.main().FlatScrollBar1.max(), -1);
    EXPECT_EQ(p.file("task.ini").find("/bin/a"), std::string::npos);
}

TEST(task_file, deleting_with_no_row_selected_only_clears_the_editor) {
    const std::string text = task_file_of({"/bin/a", "/bin/b"});
    task_program p(text);
    p.main().o_application.set_caption("/bin/a");
    p.main().o_parameters.set_text("-x");
    p.main().o_parameters.set_back_colour(light_grey);
    p.click(p.main().b_delete_task);
    EXPECT_THAT(p.rows(), ElementsAre("/bin/a", "/bin/b"));
    EXPECT_EQ(p.file("task.ini"), text);
    EXPECT_EQ(p.main().o_application.caption(), "");
    EXPECT_EQ(p.main().o_parameters.text(), "");
    EXPECT_EQ(p.main().o_parameters.back_colour(), system_window_colour);
}

TEST(task_file, reload_restores_the_selected_task_while_the_file_still_lists_it) {
    task_program p(task_file_of({"/bin/a", "/bin/b"}));
    p.click(p.main().b_reload_task);
    EXPECT_EQ(p.main().o_application.caption(), "") << "no row selected";

    p.select(1);
    p.main().o_parameters.set_text("-typed");
    p.click(p.main().b_reload_task);
    EXPECT_EQ(p.main().o_application.caption(), "/bin/b");
    EXPECT_EQ(p.main().o_parameters.text(), "-1");

    p.main().o_application.set_caption("");
    p.write("task.ini", task_file_of({"/bin/a", "/bin/other"}));
    p.click(p.main().b_reload_task);
    EXPECT_EQ(p.main().o_application.caption(), "") << "the file no longer holds that task";
}

TEST(task_file, a_list_with_nothing_to_seed_stays_empty_and_writes_no_file) {
    task_program p;
    EXPECT_THAT(p.rows(), IsEmpty());
    EXPECT_FALSE(std::filesystem::exists(p.folder / "task.ini"));
    p.click(p.main().b_save_task);
    EXPECT_FALSE(std::filesystem::exists(p.folder / "task.ini"));
}

TEST(task_file, a_first_run_adds_the_companions_found_beside_the_program) {
    test_program p;
    p.write("stock_fc.exe", "");
    p.write("pw.exe", "");
    p.start_up();
    const std::string stock = p.folder / "stock_fc.exe";
    const std::string mail = p.folder / "pw.exe";
    EXPECT_THAT(p.main().o_task_list.items(), ElementsAre(stock, mail));
    EXPECT_THAT(p.controls().tasks,
                ElementsAre(task_entry{stock, "", "", "", "", "N"},
                            task_entry{mail, "/mode=auto /x", "", "", "", "N"}));
    EXPECT_FALSE(p.main().menuAppsItem(20).visible()) << "stock_fc.exe is no module";
    const ini_document file(p.file("task.ini"));
    EXPECT_EQ(file.read("Tasks", "task0"), stock);
    EXPECT_EQ(file.read("Tasks", "task1"), mail);
    EXPECT_EQ(file.read("Parameters", mail), "/mode=auto /x");
    EXPECT_EQ(file.read("Enabled", stock), "N");
}

}  // namespace
}  // namespace tw
