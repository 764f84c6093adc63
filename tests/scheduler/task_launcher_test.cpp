#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "scheduler/run_ledger.hpp"
#include "test_program.hpp"

namespace tw {
namespace {

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;

constexpr const char* complete_account =
    "[SMTP]\r\nPOP User Password=secret\r\nPOP User ID=me\r\nPOP Host=pop.example\r\n"
    "User Name=Me\r\nUser Address=me@example\r\nDomain=example\r\nOutbox=outbox\r\n";

// A program with the program file "fetch" in its folder, recording every status text shown.
struct launcher_program : testing::test_program {
    std::string tool = folder / "fetch";
    std::vector<std::string> statuses;

    launcher_program() {
        write("fetch", "");
        main().o_statusbar.state_changed.connect(
            [this] { statuses.push_back(main().o_statusbar.text()); });
    }
    void launch(std::string& application, const std::string& parameters) {
        drive([&] { prog.launcher.launch_app(application, parameters, "YES"); });
    }
    void run_scheduled(const std::string& application, const std::string& parameters) {
        drive([&] {
            prog.launcher.run_scheduled_task(application, parameters, run_trigger::schedule);
        });
    }
    // Runs the tool for `seconds`; `meanwhile` runs once, `after` seconds into the run.
    void run_tool_with(double seconds, double after, const std::function<void()>& meanwhile) {
        fakes.set_run_seconds(tool, seconds);
        timer once;
        once.tick.connect([&] {
            once.stop();
            meanwhile();
        });
        loop.add_timer(once);
        once.start(static_cast<int>(after * 1000));
        run_scheduled(tool, "-q");
        loop.remove_timer(once);
    }
};

// A missing program's box is the Run Now test's; its log line the scheduled run's below.
// Only a task runs with the programs it starts as one (a process group or a
// job): an editor started in a terminal must stay in the terminal's group.
TEST(task_launcher, starts_the_trimmed_program_with_its_trimmed_parameters) {
    launcher_program l;
    std::string application = "  " + l.tool + " ", again = l.tool;
    l.launch(application, "   -q report.txt  ");
    l.launch(again, "");
    l.run_scheduled(l.tool, "");
    ASSERT_EQ(l.fakes.started().size(), 3u);
    EXPECT_EQ(l.fakes.started()[0].application, l.tool);
    EXPECT_EQ(l.fakes.started()[0].command_line, " -q report.txt");
    EXPECT_EQ(l.fakes.started()[1].command_line, " ") << "one blank before no parameters";
    EXPECT_FALSE(l.fakes.started()[0].as_task);
    EXPECT_TRUE(l.fakes.started()[2].as_task);
}

TEST(task_launcher, waits_for_the_program_while_timers_tick_and_an_end_meanwhile_is_kept) {
    launcher_program l;
    l.fakes.set_run_seconds(l.tool, 30);
    timer ticker;
    int ticks = 0;
    ticker.tick.connect([&] {
        if (++ticks == 40) l.prog.app.end(3);
    });
    l.loop.add_timer(ticker);
    ticker.start(1000);
    const double before = l.loop.clock();
    l.launch(l.tool, "");
    EXPECT_GE(l.loop.clock() - before, 30.0);
    EXPECT_LT(l.loop.clock() - before, 30.2) << "the end is noticed within a check period";
    l.launch(l.tool, "");
    EXPECT_EQ(l.exit_code, 3) << "the 40th tick ended the program during the wait";
    l.loop.remove_timer(ticker);
}

// The run ledger cannot be written here, which must not stop any task.
TEST(task_launcher, a_scheduled_run_logs_the_task_and_what_kept_it_from_starting_without_a_box) {
    launcher_program l;
    l.prog.program_folder = l.folder.path().string();
    l.prog.log_directory = l.folder / "no/such/folder";
    const std::string missing = l.folder / "gone.exe", companion = l.folder / "pw.exe";
    const std::string text = l.folder / "notes.txt";
    const std::string mail = companion + " /mode=auto /x";
    l.write("pw.exe", "");
    l.write("notes.txt", "");
    l.fakes.refuse(text);
    l.prog.mail_account_file_path = l.folder / "pw.ini";
    l.write("pw.ini", "[SMTP]\r\nPOP Host=pop.example\r\n");
    l.run_scheduled(l.tool, "-q");
    l.run_scheduled(missing, "");
    l.run_scheduled(companion, "/mode=auto /x");
    l.run_scheduled(text, "");
    EXPECT_THAT(
        l.log_texts(),
        ElementsAre(" Running: " + l.tool + " -q", " Running: " + missing + " ",
                    " File Not Found: " + missing, " Running: " + mail, " Run Error: " + mail,
                    " Running: " + text + " ", " Could Not Start: " + text));
    EXPECT_THAT(l.statuses, ElementsAre("Running: " + l.tool + " -q", "",
                                        "Running: " + missing + " ", "", "Running: " + mail,
                                        "Run Error: " + mail, "", "Running: " + text + " ", ""));
    ASSERT_EQ(l.fakes.started().size(), 1u);
    EXPECT_EQ(l.fakes.started()[0].command_line, " -q");

    l.write("pw.ini", complete_account);
    l.run_scheduled(companion, "/mode=auto /x");
    EXPECT_EQ(l.fakes.started().size(), 2u);
    for (const char* key : {"POP User Password", "POP User ID", "POP Host", "User Name",
                            "User Address", "Domain", "Outbox"}) {
        l.prog.profiles.write(l.prog.mail_account_file_path, "SMTP", key, "");
        l.run_scheduled(companion, "");
        l.write("pw.ini", complete_account);
    }
    EXPECT_EQ(l.fakes.started().size(), 2u) << "an account lacking any of the seven keys";
    l.write("pw.ini", "");
    l.write("PW.EXE", "");
    l.run_scheduled(l.folder / "PW.EXE", "");  // another spelling is an ordinary program
    EXPECT_EQ(l.fakes.started().size(), 3u);
    EXPECT_NE(
        l.file("log.txt").find("cannot write '" + (l.folder / "no/such/folder/tasks.csv") + "'"),
        std::string::npos);
}

// The end comes from a signal or the closed window while the task runs; the
// task is the user's program and runs on.
TEST(task_launcher, a_task_running_when_the_program_ends_gets_its_ledger_row) {
    launcher_program l;
    l.start_up();
    l.run_tool_with(600, 45, [&] { l.prog.life.shutdown(); });
    EXPECT_EQ(l.exit_code, 0);
    EXPECT_THAT(l.file("logs/tasks.csv"),
                EndsWith("\r\n2026-12-06T12:00:00+00:00,2026-12-06T12:00:45+00:00,45.0,"
                         "running at exit,"
                         "schedule," +
                         l.tool + ",-q\r\n"));
}

TEST(task_launcher, a_wall_clock_set_back_during_a_task_gives_no_end_before_its_start) {
    launcher_program l;
    l.start_up();
    l.run_tool_with(90, 30, [&] { l.loop.set_now(make_wall_time(2026, 12, 6, 11, 0, 0)); });
    EXPECT_THAT(l.file("logs/tasks.csv"),
                HasSubstr("\r\n2026-12-06T12:00:00+00:00,2026-12-06T12:01:30+00:00,90."));
}

// The limit is read at each start, so a hand edit counts from the next task on.
TEST(task_launcher, a_task_past_its_time_limit_is_asked_to_end_then_ended_and_the_run_goes_on) {
    launcher_program l;
    l.start_up();
    const std::string stubborn = l.folder / "stubborn";
    l.write("stubborn", "");
    l.fakes.ignore_end_requests(stubborn);
    const struct {
        const char* limit;
        const std::string& program;
        double runs;
        const char* ledger;         // seconds and how it ended
        const char* limit_reached;  // the time logged, the task started at 12:00:00
    } cases[] = {
        {"1", l.tool, 30, ",exit 0,", nullptr},
        {"1", l.tool, 1e6, ",60.0,time limit,", "12:01:00"},
        {"1", stubborn, 1e6, ",70.0,time limit,", "12:01:00"},
        {"0.5", stubborn, 1e6, ",40.0,time limit,", "12:00:30"},
        {"0", l.tool, 7200, ",exit 0,", nullptr},
        {"soon", l.tool, 7200, ",exit 0,", nullptr},
    };
    for (const auto& c : cases) {
        l.write("tw.ini", std::string("[Current]\r\nTask Time Limit=") + c.limit + "\r\n");
        l.fakes.set_run_seconds(c.program, c.runs);
        l.loop.set_now(make_wall_time(2026, 12, 6, 12, 0, 0));
        l.main().o_log.clear();
        l.run_scheduled(c.program, "");
        const std::string ledger = l.file("logs/tasks.csv");
        const std::string last_row = ledger.substr(ledger.rfind('\n', ledger.size() - 2));
        EXPECT_NE(last_row.find(c.ledger), std::string::npos) << c.limit << last_row;
        // When the limit is reached, not when the task at last ends.
        const auto& lines = l.main().o_log.items();
        const auto reached = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
            return line.find(" Time Limit Reached: ") != std::string::npos;
        });
        EXPECT_EQ(reached == lines.end() ? "" : reached->substr(13),
                  c.limit_reached ? c.limit_reached + (" Time Limit Reached: " + c.program) : "")
            << c.limit;
    }
}

// A crash may cut the last record anywhere; a reader must then see one bad
// record and every later one whole.
TEST(run_ledger, a_torn_last_record_is_ended_so_the_next_stands_on_its_own) {
    const struct {
        const char *last_line, *end;
    } cases[] = {{"", ""},
                 {"2026-12-06T12:00:00+00:00,2026-12", "\r\n"},
                 {"a,exit 0,now,/bin/x,\"--long \"\"xx", "\"\r\n"},
                 {"a,exit 0,now,/bin/x,\"--long \"\"xx\"\"", "\"\r\n"},
                 {"a,exit 0,now,/bin/x,\"-q, \"\"y\"\"\"", "\r\n"},
                 {"a,exit 0,now,/bin/x,-q\r", "\n"}};
    for (const auto& c : cases) EXPECT_EQ(torn_record_end(c.last_line), c.end) << c.last_line;
}

TEST(run_ledger, quotes_only_fields_that_need_it_as_csv_does) {
    EXPECT_EQ(csv_record({"plain", "a,b", "say \"hi\"", "two\nlines", "cr\r", ""}),
              "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\"cr\r\",\r\n");
}

}  // namespace
}  // namespace tw
