#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>

#include "../program_run.hpp"
#include "task_file_text.hpp"

namespace tw {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using testing::program_run;
using ::testing::StartsWith;

const std::string ping = "/usr/bin/ping";
// Up to 5 s for one answer: the peer may still be starting afresh.
const std::string ping_far_end = "-c1 -w5 10.8.0.1";

// The CR LF lines of a file without their stamps ("" for separator lines).
std::vector<std::string> log_texts(const std::string& log) {
    std::vector<std::string> texts;
    std::istringstream lines(log);
    for (std::string line; std::getline(lines, line);) {
        line.pop_back();  // the CR
        texts.push_back(line.size() > 21 ? line.substr(21) : line);
    }
    return texts;
}

// The rows of a CSV ledger after its header, each split at its commas.
std::vector<std::vector<std::string>> ledger_rows(const std::string& csv) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(csv);
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) {
        line.pop_back();
        std::vector<std::string> fields;
        std::istringstream split(line);
        for (std::string field; std::getline(split, field, ',');) fields.push_back(field);
        if (line.ends_with(',')) fields.emplace_back();
        rows.push_back(fields);
    }
    return rows;
}

// The column "how it ended" of the connection ledger's rows.
std::vector<std::string> connection_ends(const program_run& run) {
    std::vector<std::string> ends;
    for (const auto& row : ledger_rows(run.file("logs/connections.csv"))) ends.push_back(row[4]);
    return ends;
}

// A line telling that the VPN's openvpn ended. NetworkManager gives its
// reason, or none, as its plugin happens to end before or after reporting it.
::testing::Matcher<std::string> vpn_ended(const std::string& prefix) {
    return ::testing::AnyOf(prefix + "the VPN service stopped unexpectedly",
                            prefix + "NetworkManager gave no reason");
}

// Each test runs the built program against a NetworkManager of its own, with
// the VPN profile MobileISP, in a network namespace of its own
// (real_networkmanager.sh). That needs root; in CI it must run.
class real_networkmanager_run : public ::testing::Test {
protected:
    void SetUp() override {
        if (setup("up") == 0) return;
        const std::string why = "no NetworkManager to run against: " + setup_output();
        if (std::getenv("TARNWICK_REQUIRE_REAL_NETWORKMANAGER")) FAIL() << why;
        GTEST_SKIP() << why;
    }
    void TearDown() override { setup("down"); }

    // real_networkmanager.sh's `command`; its output goes to setup_output().
    int setup(const std::string& command) const {
        return std::system((std::string(REAL_NETWORKMANAGER) + " " + command + " '" +
                            (daemon / "nm") + "' >'" + (daemon / "setup.txt") + "' 2>&1")
                               .c_str());
    }
    std::string setup_output() const { return testing::read_file(daemon / "setup.txt"); }
    // A line of the daemon's folder.
    std::string nm_value(const std::string& name) const {
        std::string value = testing::read_file(daemon / ("nm/" + name));
        return value.substr(0, value.find('\n'));
    }

    // The program with `arguments`, inside the namespace, on the daemon's bus,
    // with the settings `options` and the task list `tasks`.
    std::unique_ptr<program_run> program(std::vector<std::string> arguments,
                                         const std::string& options,
                                         const std::vector<task_entry>& tasks,
                                         std::vector<std::string> environment = {}) {
        environment.insert(environment.end(),
                           {"TARNWICK_DIALER=networkmanager",
                            "DBUS_SYSTEM_BUS_ADDRESS=" + nm_value("bus_address")});
        auto run = std::make_unique<program_run>(
            std::move(arguments), std::move(environment),
            std::vector<std::string>{"ip", "netns", "exec", nm_value("netns")});
        run->write("tw.ini",
                   "[Current]\r\nRun Tasks At Connect=Yes\r\n"
                   "Disconnect After Last Task=Yes\r\nSave Logs=Yes\r\n" +
                       options);
        run->write("task.ini", testing::task_file_text(tasks));
        return run;
    }

    // A connect-time task that holds the line until release(); held() once it runs.
    task_entry holding_task(const program_run& run) const {
        const std::string script = run.folder / "hold.sh", fifo = run.folder / "release";
        ::mkfifo(fifo.c_str(), 0600);
        testing::write_file(script, "#!/bin/sh\necho > '" + (run.folder / "held.txt") + "'\ncat '" +
                                        fifo + "' >/dev/null\n");
        ::chmod(script.c_str(), 0755);
        return {script, "", "", "", "", "Yes"};
    }
    static bool held(const program_run& run) { return run.exists("held.txt"); }
    static void release(const program_run& run) {
        ::close(::open((run.folder / "release").c_str(), O_WRONLY | O_NONBLOCK));
    }

    // NetworkManager's state of MobileISP's link ("activated", ...); "" for none.
    std::string link_state() const {
        const std::string out = daemon / "state.txt";
        std::system(
            ("DBUS_SYSTEM_BUS_ADDRESS='" + nm_value("bus_address") +
             "' nmcli -t -f NAME,STATE connection show --active | sed -n 's/^MobileISP://p' >'" +
             out + "'")
                .c_str());
        const std::string state = testing::read_file(out);
        return state.substr(0, state.find('\n'));
    }

    testing::temp_folder daemon;  // the daemon's files, and the set-up's output
};

TEST_F(real_networkmanager_run,
       a_dial_brings_the_vpn_up_the_task_pings_through_it_and_it_goes_down) {
    auto run =
        program({"/s", "MobileISP", "/d", "/x"}, "", {{ping, ping_far_end, "", "", "", "Y"}});
    run->start();
    EXPECT_EQ(run->wait_for_exit(), 0) << run->error_output();
    EXPECT_THAT(
        log_texts(run->file("logs/last.log")),
        ElementsAre(" Dialing MobileISP (pass #1)", " Connected to MobileISP",
                    " Running: " + ping + " " + ping_far_end, StartsWith(" Connect time:  00:00:0"),
                    " Disconnected from MobileISP", ""));
    EXPECT_EQ(ledger_rows(run->file("logs/tasks.csv")).at(0).at(3), "exit 0")
        << "the far end answered";
    const auto connections = ledger_rows(run->file("logs/connections.csv"));
    ASSERT_EQ(connections.size(), 1u);
    EXPECT_EQ(connections[0][0], "MobileISP");
    EXPECT_EQ(connections[0][4], "after last task");
    EXPECT_GT(std::stoll(connections[0][5]), 0) << "the ping's reply came through the tunnel";
    EXPECT_GT(std::stoll(connections[0][6]), 0);
    EXPECT_TRUE(run->wait_until([&] { return link_state().empty(); }));
}

TEST_F(real_networkmanager_run, without_its_key_every_pass_says_why_the_dial_failed) {
    ::unlink((daemon / "nm/static.key").c_str());
    auto run = program({"/s", "MobileISP", "/d", "/x"}, "Timeout=1\r\nRetry Count=2\r\n",
                       {{ping, ping_far_end, "", "", "", "Y"}});
    run->start();
    EXPECT_EQ(run->wait_for_exit(), 2) << run->error_output();
    const auto why = vpn_ended(" Dial failed: ");
    EXPECT_THAT(log_texts(run->file("logs/last.log")),
                ElementsAre(" Dialing MobileISP (pass #1)", why, " Dialing MobileISP (pass #2)",
                            why, " The maximum retry count has been reached."));
    EXPECT_FALSE(run->exists("logs/connections.csv")) << "no connection, no row";
}

// The line is taken down from outside while the connect-time task holds it:
// once as a user would, with "Reconnect After Line Drop" cleared, and twice by
// killing the VPN's openvpn, with it ticked. The redial connects while the
// task still runs, and the hang-up after it ends the new line; or the task
// ends in the pause before the redial, whose link the hang-up then takes down
// before NetworkManager has answered it.
TEST_F(real_networkmanager_run, a_dropped_line_is_told_and_redialled_once_when_asked) {
    const struct {
        const char* drop;
        bool reconnect;
        bool task_ends_in_pause;
        ::testing::Matcher<std::string> why;
    } cases[] = {
        {"line-down", false, false, " Line dropped: a user or another program took it down"},
        {"kill-link", true, false, vpn_ended(" Line dropped: ")},
        {"kill-link", true, true, vpn_ended(" Line dropped: ")}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.drop) +
                     (c.task_ends_in_pause ? ", task ends in the pause" : ""));
        auto run =
            program({"/s", "MobileISP", "/d", "/x"},
                    std::string("Reconnect After Line Drop=") + (c.reconnect ? "Yes" : "No"), {});
        run->write("task.ini", testing::task_file_text({holding_task(*run)}));
        run->start();
        ASSERT_TRUE(run->wait_until([&] { return held(*run); })) << run->error_output();
        ASSERT_EQ(setup(c.drop), 0) << setup_output();
        ASSERT_TRUE(run->wait_until([&] { return connection_ends(*run).size() == 1; }));
        if (c.reconnect && !c.task_ends_in_pause) {
            ASSERT_TRUE(run->wait_until([&] { return link_state() == "activated"; }));
        }
        release(*run);
        EXPECT_EQ(run->wait_for_exit(), 0) << run->error_output();

        const std::string task = " Running: " + (run->folder / "hold.sh") + " ";
        std::vector<::testing::Matcher<std::string>> expected{
            " Dialing MobileISP (pass #1)",       " Connected to MobileISP",      task, c.why,
            " Connection dropped from MobileISP", StartsWith(" Connect time:  "), ""};
        if (c.task_ends_in_pause)
            expected.insert(expected.end(), {" Reconnecting to MobileISP", ""});
        else if (c.reconnect)
            expected.insert(expected.end(),
                            {" Reconnecting to MobileISP", "", " Connected to MobileISP",
                             StartsWith(" Connect time:  "), " Disconnected from MobileISP", ""});
        EXPECT_THAT(log_texts(run->file("logs/last.log")), ElementsAreArray(expected));
        const std::vector<std::string> ends =
            c.reconnect && !c.task_ends_in_pause
                ? std::vector<std::string>{"line drop", "after last task"}
                : std::vector<std::string>{"line drop"};
        EXPECT_EQ(connection_ends(*run), ends);
        EXPECT_TRUE(run->wait_until([&] { return link_state().empty(); }))
            << "no link outlives the program";
    }
}

TEST_F(real_networkmanager_run, networkmanager_stopping_counts_as_a_drop_and_a_x_run_still_ends) {
    auto run = program({"/s", "MobileISP", "/d", "/x"}, "", {});
    run->write("task.ini", testing::task_file_text({holding_task(*run)}));
    run->start();
    ASSERT_TRUE(run->wait_until([&] { return held(*run); })) << run->error_output();
    ASSERT_EQ(setup("stop"), 0) << setup_output();
    ASSERT_TRUE(run->wait_until([&] { return connection_ends(*run).size() == 1; }));
    release(*run);
    EXPECT_EQ(run->wait_for_exit(), 0) << run->error_output();
    EXPECT_EQ(connection_ends(*run), std::vector<std::string>{"line drop"});
    const auto texts = log_texts(run->file("logs/last.log"));
    EXPECT_THAT(
        std::vector(texts.begin() + 3, texts.end()),
        ElementsAre(" Line dropped: NetworkManager stopped", " Connection dropped from MobileISP",
                    StartsWith(" Connect time:  "), ""));
}

// Only the program runs on a clock set to just before 08:10.
TEST_F(real_networkmanager_run,
       the_schedule_dials_at_the_mark_runs_the_due_task_once_and_hangs_up) {
    auto run = program({"/s", "MobileISP", "/a"}, "",
                       {{ping, ping_far_end, "08:10", "09:00", "10 minutes", "Y"}},
                       testing::clock_starting_at("2026-12-06 08:09:57"));
    run->start();
    const bool hung_up = run->wait_until([&] { return connection_ends(*run).size() == 1; });
    ASSERT_TRUE(hung_up) << run->error_output();
    EXPECT_TRUE(run->wait_until([&] { return link_state().empty(); }));
    run->send(SIGTERM);
    EXPECT_EQ(run->wait_for_exit(), 0);

    const auto connection = ledger_rows(run->file("logs/connections.csv")).at(0);
    EXPECT_THAT(connection[1], StartsWith("2026-12-06T08:10:0")) << "dialled at the mark";
    EXPECT_EQ(connection[4], "after last task");
    const auto tasks = ledger_rows(run->file("logs/tasks.csv"));
    ASSERT_EQ(tasks.size(), 1u) << "the due task ran once, at connect time";
    EXPECT_EQ(tasks[0][3], "exit 0");
    const auto texts = log_texts(run->file("logs/last.log"));
    EXPECT_EQ(std::count(texts.begin(), texts.end(), " Dialing MobileISP (pass #1)"), 1)
        << "one dial";
}

}  // namespace
}  // namespace tw
