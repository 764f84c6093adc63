#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "test_program.hpp"

namespace tw {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::test_program;

constexpr const char* complete_account =
    "[SMTP]\r\nPOP User Password=secret\r\nPOP User ID=me\r\nPOP Host=pop.example\r\n"
    "User Name=Me\r\nUser Address=me@example\r\nDomain=example\r\nOutbox=outbox\r\n";

// A program with a tool file in its folder and a record of every status text shown.
struct launcher_program {
    test_program p;
    std::string tool = p.folder / "fetch";
    std::vector<std::string> statuses;

    launcher_program() {
        p.write("fetch", "");
        p.main().o_statusbar.state_changed.connect(
            [this] { statuses.push_back(p.main().o_statusbar.text()); });
    }
    void launch(std::string& application, const std::string& parameters,
                const std::string& wait = "YES") {
        p.drive([&] { p.prog.launcher.launch_app(application, parameters, wait); });
    }
    void run_scheduled(const std::string& application, const std::string& parameters) {
        p.drive([&] { p.prog.launcher.run_scheduled_task(application, parameters); });
    }
    bool account_complete() { return p.prog.launcher.check_mail_account(); }
};

TEST(task_launcher, starts_the_trimmed_program_with_one_blank_before_trimmed_parameters) {
    launcher_program l;
    std::string application = "  " + l.tool + " ";
    l.launch(application, "   -q report.txt  ");
    std::string again = l.tool;
    l.launch(again, "");
    EXPECT_EQ(application, l.tool) << "the caller's variable is trimmed";
    ASSERT_EQ(l.p.fakes.started().size(), 2u);
    EXPECT_EQ(l.p.fakes.started()[0].application, l.tool);
    EXPECT_EQ(l.p.fakes.started()[0].command_line, " -q report.txt");
    EXPECT_EQ(l.p.fakes.started()[1].command_line, " ");
    EXPECT_THAT(l.p.app.pointers(),
                ElementsAre(application::hourglass, application::default_pointer,
                            application::hourglass, application::default_pointer));
    EXPECT_THAT(l.p.log_texts(), IsEmpty());
}

TEST(task_launcher, a_missing_program_is_reported_by_box_and_log_and_not_started) {
    launcher_program l;
    std::string missing = l.p.folder / "gone.exe";
    l.p.dialogs.expect_message("The '" + missing +
                               "' software cannot be found.  You must locate the software in "
                               "the 'Applications' menu option and try again.");
    l.launch(missing, "-q");
    ASSERT_EQ(l.p.dialogs.messages().size(), 1u);
    EXPECT_EQ(l.p.dialogs.messages()[0].flags, 64);
    EXPECT_EQ(l.p.dialogs.messages()[0].title, "Tarnwick v1.20");
    EXPECT_THAT(l.p.log_texts(), ElementsAre(" File Not Found: " + missing));
    EXPECT_THAT(l.p.fakes.started(), IsEmpty());
    EXPECT_THAT(l.p.app.pointers(), IsEmpty());
}

TEST(task_launcher, waits_for_the_program_only_when_told_yes_and_events_run_meanwhile) {
    launcher_program l;
    l.p.fakes.set_run_seconds(l.tool, 30);
    timer ticker;
    int ticks = 0;
    ticker.tick.connect([&] { ++ticks; });
    l.p.loop.add_timer(ticker);
    ticker.start(1000);

    const double before = l.p.loop.clock();
    l.launch(l.tool, "", "NO");
    EXPECT_EQ(l.p.loop.clock(), before) << "no wait without YES";
    l.launch(l.tool, "", "yes");
    EXPECT_EQ(l.p.loop.clock(), before) << "only the exact text YES waits";
    l.launch(l.tool, "", "YES");
    EXPECT_GE(l.p.loop.clock() - before, 30.0);
    EXPECT_LT(l.p.loop.clock() - before, 30.2) << "the end is noticed within a check period";
    EXPECT_GE(ticks, 29);
    l.p.loop.remove_timer(ticker);
}

TEST(task_launcher, an_end_of_the_process_during_the_wait_is_not_swallowed) {
    launcher_program l;
    l.p.fakes.set_run_seconds(l.tool, 30);
    timer ender;
    ender.tick.connect([&] { l.p.prog.app.end(3); });
    l.p.loop.add_timer(ender);
    ender.start(5000);
    l.launch(l.tool, "");
    l.p.loop.remove_timer(ender);
    EXPECT_EQ(l.p.exit_code, 3);
}

TEST(task_launcher, the_mail_account_is_complete_only_with_all_seven_keys_filled) {
    launcher_program l;
    l.p.prog.mail_account_file_path = l.p.folder / "pw.ini";
    EXPECT_FALSE(l.account_complete()) << "missing file";
    l.p.write("pw.ini", complete_account);
    EXPECT_TRUE(l.account_complete());
    for (const char* key : {"POP User Password", "POP User ID", "POP Host", "User Name",
                            "User Address", "Domain", "Outbox"}) {
        l.p.prog.profiles.write(l.p.prog.mail_account_file_path, "SMTP", key, "");
        EXPECT_FALSE(l.account_complete()) << key << " empty";
        l.p.prog.profiles.write(l.p.prog.mail_account_file_path, "SMTP", key, std::nullopt);
        EXPECT_FALSE(l.account_complete()) << key << " missing";
        l.p.write("pw.ini", complete_account);
    }
    l.p.prog.mail_account_file_path.clear();
    EXPECT_FALSE(l.account_complete()) << "no account file known";
}

TEST(task_launcher, a_scheduled_run_logs_the_task_and_a_missing_program_without_a_box) {
    launcher_program l;
    const std::string missing = l.p.folder / "gone.exe";
    l.run_scheduled(l.tool, "-q");
    l.run_scheduled(missing, "");
    EXPECT_THAT(l.p.log_texts(),
                ElementsAre(" Running: " + l.tool + " -q", " Running: " + missing + " ",
                            " File Not Found: " + missing));
    EXPECT_THAT(l.statuses,
                ElementsAre("Running: " + l.tool + " -q", "", "Running: " + missing + " ", ""));
    ASSERT_EQ(l.p.fakes.started().size(), 1u);
    EXPECT_EQ(l.p.fakes.started()[0].command_line, " -q");
    EXPECT_THAT(l.p.dialogs.messages(), IsEmpty());
}

TEST(task_launcher, a_scheduled_e_mail_companion_runs_only_with_a_complete_account) {
    launcher_program l;
    const std::string companion = l.p.folder / "pw.exe";
    l.p.write("pw.exe", "");
    l.p.prog.mail_account_file_path = l.p.folder / "pw.ini";
    l.p.write("pw.ini", "[SMTP]\r\nPOP Host=pop.example\r\n");
    l.run_scheduled(companion, "/mode=auto /x");
    EXPECT_THAT(l.p.log_texts(), ElementsAre(" Running: " + companion + " /mode=auto /x",
                                             " Run Error: " + companion + " /mode=auto /x"));
    EXPECT_THAT(l.statuses, ElementsAre("Running: " + companion + " /mode=auto /x",
                                        "Run Error: " + companion + " /mode=auto /x", ""));
    EXPECT_THAT(l.p.fakes.started(), IsEmpty());

    l.p.write("pw.ini", complete_account);
    l.run_scheduled(companion, "/mode=auto /x");
    EXPECT_EQ(l.p.fakes.started().size(), 1u);

    // The test is on the exact, case-sensitive name: another spelling is an ordinary program.
    l.p.write("pw.ini", "");
    const std::string other = l.p.folder / "PW.EXE";
    l.p.write("PW.EXE", "");
    l.run_scheduled(other, "");
    EXPECT_EQ(l.p.fakes.started().size(), 2u);
}

}  // namespace
}  // namespace tw
