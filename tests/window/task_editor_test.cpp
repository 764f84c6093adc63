#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/ini_document.hpp"
#include "platform/path_rules.hpp"
#include "test_program.hpp"
#include "window/next_runs.hpp"

namespace tw {
namespace {

using ::testing::ElementsAre;
using testing::test_program;

// A program at 16:55 with `task_ini` as its task file and the Task List tab brought up.
struct editor_program : test_program {
    explicit editor_program(const std::string& task_ini) {
        loop.set_now(make_wall_time(2026, 12, 6, 16, 55, 0));
        write("task.ini", task_ini);
        start_up();
        main().SSTab1.set_tab(3);
    }
    std::string stored(const char* section, const std::string& key) const {
        return ini_document(file("task.ini")).read(section, key);
    }
    void select(int row) { main().o_task_list.set_list_index(row); }
    void pick(combo_box& box, const std::string& entry) {
        const auto& items = box.items();
        box.set_list_index(
            static_cast<int>(std::find(items.begin(), items.end(), entry) - items.begin()));
    }
    void add(const std::string& picked) {
        dialogs.answer_file_dialog(picked);
        click(main().b_add_task);
    }
};

constexpr const char* three_tasks =
    "[Tasks]\r\ntask0=/bin/a\r\ntask1=/bin/b\r\ntask2=/bin/c\r\n"
    "[Enabled]\r\n/bin/a=Yes\r\n/bin/b=N\r\n/bin/c=Yes\r\n";

TEST(task_editor, only_picked_times_are_stored_into_every_row_of_the_program) {
    editor_program p(
        "[Tasks]\r\ntask0=/bin/a\r\ntask1=/bin/b\r\ntask2=/bin/a\r\n"
        "[Enabled]\r\n/bin/a=Yes\r\n");
    p.select(0);
    combo_box& start = p.main().o_task_start_time;
    start.set_text("07:15");  // typed
    EXPECT_EQ(p.stored("Start Time", "/bin/a"), "");
    EXPECT_EQ(p.main().o_next_runs.caption(), "Never runs: it has no start time");
    start.edit_ended();
    EXPECT_EQ(start.text(), "") << "the box shows what is stored again";
    p.pick(start, "07:10");
    start.set_text("07:15");
    start.edit_ended();
    EXPECT_EQ(start.text(), "07:10");
    p.pick(p.main().o_task_stop_time, "17:00");
    p.pick(p.main().o_task_interval, "2 hours");
    EXPECT_EQ(p.stored("Start Time", "/bin/a"), "07:10");
    EXPECT_EQ(p.main().o_next_runs.caption(), "Next runs: 17:10, tomorrow 07:10, tomorrow 09:10");
    EXPECT_EQ(p.controls().tasks[0], p.controls().tasks[2]) << "both rows name /bin/a";
    EXPECT_EQ(p.controls().tasks[2].interval, "2 hours");
}

TEST(task_editor, showing_a_task_rewrites_its_enabled_flag_and_greys_companions) {
    editor_program p(
        "[Tasks]\r\ntask0=/bin/a\r\ntask1=/opt/pw.exe\r\n[Enabled]\r\n/bin/a=Y\r\n/opt/"
        "pw.exe=N\r\n");
    p.select(0);
    EXPECT_EQ(p.main().o_task_enabled.value(), 1);
    p.select(1);
    EXPECT_EQ(p.main().o_task_enabled.value(), 0);
    EXPECT_EQ(p.stored("Enabled", "/opt/pw.exe"), "No");
    EXPECT_TRUE(p.main().o_parameters.locked());
    EXPECT_EQ(p.main().o_parameters.back_colour(), light_grey);
    EXPECT_EQ(p.main().o_next_runs.caption(), "Never runs: the task is not active");
    p.select(0);
    EXPECT_FALSE(p.main().o_parameters.locked());
}

// Nothing typed there could be stored: the fields wait for a task to be selected.
TEST(task_editor, while_no_task_is_shown_its_fields_are_empty_and_disabled) {
    editor_program p(
        "[Tasks]\r\ntask0=/bin/a\r\ntask1=/bin/b\r\n[Parameters]\r\n/bin/a=-q\r\n"
        "[Start Time]\r\n/bin/a=08:00\r\n[Interval]\r\n/bin/a=Daily\r\n"
        "[Enabled]\r\n/bin/a=Yes\r\n");
    frm_main& m = p.main();
    const auto expect_fields = [&](bool enabled, const std::string& parameters,
                                   const std::string& start, int ticked) {
        EXPECT_EQ(m.o_parameters.text() + "|" + m.o_task_start_time.text() + "|" +
                      m.o_task_stop_time.text() + "|" + m.o_task_interval.text(),
                  parameters + "|" + start + "||" + (start.empty() ? "" : "Daily"));
        EXPECT_EQ(m.o_task_enabled.value(), ticked);
        for (const control* field : m.task_fields()) EXPECT_EQ(field->enabled(), enabled);
    };
    expect_fields(false, "", "", 0);
    p.select(0);
    expect_fields(true, "-q", "08:00", 1);
    p.click(m.b_delete_task);
    expect_fields(false, "", "", 0);
    EXPECT_EQ(p.stored("Enabled", "/bin/b"), "N") << "emptying the fields stores nothing";
    p.select(0);
    expect_fields(true, "", "", 0);
}

TEST(task_editor, the_order_arrows_swap_rows_and_do_nothing_past_the_ends) {
    struct move {
        int selected;
        int value;
        std::vector<std::string> rows;
    };
    for (const move& m :
         {move{1, 0, {"/bin/b", "/bin/a", "/bin/c"}}, move{1, 2, {"/bin/a", "/bin/c", "/bin/b"}},
          move{0, 0, {"/bin/a", "/bin/b", "/bin/c"}}, move{2, 2, {"/bin/a", "/bin/b", "/bin/c"}},
          move{-1, 1, {"/bin/a", "/bin/b", "/bin/c"}}}) {
        editor_program p(three_tasks);
        if (m.selected >= 0) p.select(m.selected);
        const std::string before = p.file("task.ini");
        p.main().FlatScrollBar1.set_value(m.value);
        EXPECT_EQ(p.main().o_task_list.items(), m.rows) << m.selected << " to " << m.value;
        for (int n = 0; n < 3; ++n) EXPECT_EQ(p.stored("Tasks", task_key(n)), m.rows[n]);
        if (m.selected < 0)
            EXPECT_EQ(p.file("task.ini"), before) << "nothing written";
        else
            EXPECT_EQ(p.main().o_application.caption(), p.main().o_task_list.text());
    }
}

TEST(task_editor, adding_a_program_asks_for_it_and_appends_it_disabled) {
    editor_program p(three_tasks);
    p.select(0);
    p.add("");  // cancelled
    p.add(p.folder / "Tools/Fetch.exe");
    const std::string added = native_paths().stored(p.folder / "Tools/Fetch.exe");
    EXPECT_THAT(p.main().o_task_list.items(), ElementsAre("/bin/a", "/bin/b", "/bin/c", added));
    // Shown at once, its flag is written as the cleared box shows it.
    EXPECT_EQ(p.controls().tasks.back(), (task_entry{added, "", "", "", "", "No"}));
    EXPECT_EQ(p.stored("Tasks", "task3"), added);
    EXPECT_EQ(p.main().o_task_list.list_index(), 3);
    EXPECT_EQ(p.main().o_application.caption(), added) << "the new task is shown";
    const file_request& request = p.dialogs.file_requests().back();
    EXPECT_EQ(request.title, "Select An Application");
    EXPECT_EQ(request.filter, "Application (*.exe)|*.exe|All (*.*)|*.*");
    EXPECT_EQ(request.names, file_names::new_allowed);
    EXPECT_EQ(p.prog.dialog_directory, native_paths().stored(p.folder / "Tools/"));
}

// The first dialog of a run opens where a program was last added from, else
// in the user's home; never in the program folder, which holds the settings
// (hidden, for an installed program) and is the stored default.
TEST(task_editor, the_add_dialog_first_opens_in_the_last_folder_used_or_the_home) {
    const struct {
        const char* last;  // in the program folder; "" for the folder itself
        bool kept;
    } cases[] = {{"", false}, {"tools/", true}, {"gone/", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.last);
        editor_program p(three_tasks);
        std::filesystem::create_directories(p.folder / "tools");
        p.prog.last_directory = p.folder / c.last;
        p.add("");
        EXPECT_EQ(p.dialogs.file_requests().back().initial_folder,
                  c.kept ? p.folder / c.last : p.system.home_folder());
    }
}

TEST(task_editor, companions_get_their_setup_parameters_and_menu_or_are_refused) {
    editor_program p(three_tasks);
    const std::string before = p.file("task.ini");
    frm_stockmodule& stock = p.prog.modules.stock_form;
    // OK refused (the demo ID wants an address), then the form closed: no add.
    p.dialogs.expect_form(stock.form, [&] {
        p.dialogs.expect_message(
            "When using 'DEMO' as the ID, you must enter the email address you want to receive "
            "the stock quote information.");
        stock.Command1.click();
    });
    p.add(p.folder / "fc/stockfc.exe");
    EXPECT_EQ(p.main().o_task_list.list_count(), 3);
    EXPECT_EQ(p.file("task.ini"), before);

    p.dialogs.expect_form(stock.form, [&] {
        stock.o_cpid.set_text("12345");
        stock.o_data_source.set_text("");
        stock.Command1.click();
    });
    p.dialogs.expect_message(
        "This application was not added.  You must supply the 'Customer Profile ID' and select "
        "the data source.  Please try your selection again.");
    p.add(p.folder / "fc/StockFC.EXE");
    EXPECT_EQ(p.file("task.ini"), before);
    EXPECT_FALSE(p.main().menuAppsItem(20).visible());

    frm_wpmmodule& monitor = p.prog.modules.web_monitor_form;
    p.dialogs.expect_form(monitor.form, [&] {
        monitor.o_cpid.set_text("12345");
        monitor.Command1.click();
    });
    p.add(p.folder / "fc/wpmfc.exe");
    EXPECT_EQ(p.controls().tasks.back().parameters,
              native_paths().stored_parameters("/auto /id=12345 /o=" + (p.folder / "outbox")))
        << "no e-mail part when adding";
    EXPECT_TRUE(p.main().menuAppsItem(80).visible());

    const std::string companion = p.folder / "pw.exe";
    p.write("pw.exe", "");
    p.write("pw.ini", "[SMTP]\r\nPOP Host=pop.example\r\n");
    p.dialogs.expect_message(
        "You must enter the email account information before using Postwright to send email.\n\n"
        "Use the menu option Application\\Postwright to update the account information.");
    p.add(companion);
    ASSERT_EQ(p.fakes.started().size(), 1u);
    EXPECT_EQ(p.fakes.started()[0].command_line, " /app=tarnlink");
    EXPECT_EQ(p.controls().tasks.back().parameters, "/mode=auto /x");
    EXPECT_TRUE(p.main().menuAppsItem(10).visible());
}

TEST(task_editor, the_ten_thousand_and_first_task_is_refused_and_nothing_changes) {
    std::string text = "[Tasks]\r\n";
    for (int n = 0; n < max_tasks; ++n)
        text += task_key(n) + "=/bin/t" + std::to_string(n) + "\r\n";
    editor_program p(text);
    const std::string before = p.file("task.ini");
    p.dialogs.expect_message(
        "This application was not added.  The task list already holds 10000 tasks, the most the "
        "task file can keep.  Delete a task before you add another.");
    p.click(p.main().b_add_task);
    EXPECT_TRUE(p.dialogs.file_requests().empty());
    EXPECT_EQ(p.main().o_task_list.list_count(), max_tasks);
    EXPECT_EQ(p.file("task.ini"), before);
}

// Why a task never runs is the schedule's own table and the editor test's.
TEST(next_runs, counts_on_into_the_next_days) {
    const time_of_day now{16, 55};
    EXPECT_EQ(next_runs_text(now, {"08:00", "17:00", "30 minutes", true}),
              "Next runs: 17:00, 17:30, tomorrow 08:00");
    EXPECT_EQ(next_runs_text(now, {"09:00", "09:00", "Daily", true}),
              "Next runs: tomorrow 09:00, in 2 days 09:00, in 3 days 09:00");
}

}  // namespace
}  // namespace tw
