#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <utility>

#include "companions/companion_modules.hpp"
#include "task_file_text.hpp"
#include "test_program.hpp"

namespace tw {
namespace {

using ::testing::ElementsAre;
using testing::test_program;

const std::string module_message =
    "You can only use this option if you have selected the 'Lumarin - Stock Quote Module' "
    "(stockfc.exe) application.";

// A started program whose task list holds `paths`, each with the parameters
// "-keep", showing `shown` in the editor.
struct menu_program : test_program {
    menu_program(const std::vector<std::string>& paths, const std::string& shown) {
        std::vector<task_entry> tasks(paths.size());
        for (std::size_t i = 0; i < paths.size(); ++i)
            tasks[i] = {paths[i], "-keep", "", "", "", ""};
        write("task.ini", testing::task_file_text(tasks));
        write("fcd.ini", "[Current]\r\nCPID=12345\r\n");
        start_up();
        main().o_application.set_caption(shown);
    }
    void choose(int index) {
        drive([&] { main().menuAppsItem(index).click(index); });
    }
    std::vector<std::string> parameters() const {
        std::vector<std::string> all;
        for (const task_entry& task : prog.controls.tasks) all.push_back(task.parameters);
        return all;
    }
};

// Entry 80 names the stock quote module too. No form is shown (the scripted
// dialogs fail on one) and no program started.
TEST(applications_menu, an_entry_for_another_kind_of_task_only_says_so) {
    const std::string postwright_message =
        "You can only use this option if you have selected 'Postwright' application.";
    for (const auto& [index, shown, message] : {std::tuple{10, "/opt/PW.EXE", postwright_message},
                                                {20, "/opt/wpmfc.exe", module_message},
                                                {80, "/opt/stockfc.exe", module_message}}) {
        SCOPED_TRACE(index);
        menu_program p({"/opt/stockfc.exe"}, shown);
        const std::string task_file = p.file("task.ini");
        p.dialogs.expect_message(message);
        p.choose(index);
        EXPECT_EQ(p.dialogs.messages().size(), 1u);
        EXPECT_TRUE(p.fakes.started().empty());
        EXPECT_THAT(p.parameters(), ElementsAre("-keep"));
        EXPECT_EQ(p.file("task.ini"), task_file);
    }
}

TEST(applications_menu, postwright_entry_runs_its_setup_and_waits_for_it) {
    menu_program p({}, "");
    p.write("pw.exe", "");
    p.main().o_application.set_caption(p.folder / "pw.exe");
    p.fakes.set_run_seconds(p.folder / "pw.exe", 30);
    p.choose(10);
    ASSERT_EQ(p.fakes.started().size(), 1u);
    EXPECT_EQ(p.fakes.started()[0].command_line, " /app=tarnlink");
    EXPECT_GE(p.loop.clock(), 30);
}

// Without a data source, or with the form closed (Escape), nothing changes.
TEST(applications_menu, module_entry_sets_every_record_of_the_shown_program_or_nothing) {
    const std::string module = "/opt/stockfc.exe";
    menu_program p({module, "/opt/other", module}, module);
    frm_stockmodule& form = p.prog.modules.stock_form;
    p.dialogs.expect_form(form.form, [&] { form.Command1.click(); });
    p.choose(20);
    const std::string line = p.main().o_parameters.text();  // the module settings tests' line
    EXPECT_NE(line.find("/id=12345"), std::string::npos);
    EXPECT_THAT(p.parameters(), ElementsAre(line, "-keep", line));

    p.write("fcd.ini", "[Current]\r\nCPID=777\r\n");
    for (const auto& [why, use] :
         std::initializer_list<std::pair<const char*, std::function<void()>>>{
             {"no data source",
              [&] {
                  form.o_data_source.set_text("");
                  form.Command1.click();
              }},
             {"the form closed", {}}}) {
        p.dialogs.expect_form(form.form, use);
        p.choose(20);
        EXPECT_THAT(p.parameters(), ElementsAre(line, "-keep", line)) << why;
    }
}

}  // namespace
}  // namespace tw
