#include "platform/posix/posix_processes.hpp"

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "test_program.hpp"

namespace tw {
namespace {

using ::testing::ElementsAre;
using testing::read_file;
using testing::temp_folder;
using testing::test_options;
using testing::test_program;
using testing::write_file;

// An executable /bin/sh script in `folder`; returns its path.
std::string script(const temp_folder& folder, const std::string& name, const std::string& body) {
    const std::string path = folder / name;
    write_file(path, "#!/bin/sh\n" + body + "\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path;
}

// Writes its own name and each argument on a line of args.txt beside it.
constexpr const char* record_arguments =
    R"(for a in "$0" "$@"; do printf '%s\n' "$a"; done > "$(dirname "$0")/args.txt")";

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t end; (end = text.find('\n', from)) != std::string::npos; from = end + 1)
        lines.push_back(text.substr(from, end - from));
    return lines;
}

// Blocks until `pid` has ended, leaving it unreaped, so a test can see who reaps it.
void wait_for_end_unreaped(pid_t pid) {
    siginfo_t info{};
    while (::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOWAIT) != 0)
        ASSERT_EQ(errno, EINTR);
}

bool is_reaped(pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) == -1 && errno == ECHILD; }

// A whole program that starts real programs; its simulated clock keeps pace
// with real time so it cannot race ahead of a running child.
struct real_program {
    posix_processes processes;
    test_program p{test_options{.real_processes = &processes}};
    real_program() { p.loop.pace_in_real_time(true); }

    void launch(std::string application, const std::string& parameters) {
        p.drive([&] { p.prog.launcher.launch_app(application, parameters, "YES"); });
    }
};

TEST(posix_processes, parameters_arrive_as_arguments_and_no_shell_runs_them) {
    real_program r;
    const std::string program = script(r.p.folder, "record", record_arguments);
    const std::string pwned = r.p.folder / "pwned";
    r.launch(program,
             R"(  first "two words" say\"hi\" ; touch )" + pwned + " $(touch " + pwned + ")");
    EXPECT_THAT(lines_of(r.p.file("args.txt")),
                ElementsAre(program, "first", "two words", "say\"hi\"", ";", "touch", pwned,
                            "$(touch", pwned + ")"));
    EXPECT_FALSE(std::filesystem::exists(pwned));
}

TEST(posix_processes, the_wait_returns_after_the_program_ended_while_timers_go_on) {
    real_program r;
    const std::string program = script(r.p.folder, "slow", "sleep 0.3\ntouch \"$0.done\"");
    timer ticker;
    int ticks = 0;
    ticker.tick.connect([&] { ++ticks; });
    r.p.loop.add_timer(ticker);
    ticker.start(50);
    r.launch(program, "");
    r.p.loop.remove_timer(ticker);
    EXPECT_TRUE(std::filesystem::exists(program + ".done"));
    EXPECT_GT(ticks, 0);
    EXPECT_THAT(r.p.app.pointers(),
                ElementsAre(application::hourglass, application::default_pointer));
}

TEST(posix_processes, the_child_gets_no_descriptor_but_the_standard_three) {
    temp_folder folder;
    const std::string secret = folder / "secret";
    write_file(secret, "x");
    const int fd = ::open(secret.c_str(), O_RDONLY);  // inheritable on purpose
    ASSERT_GE(fd, 0);
    const std::string program =
        script(folder, "fds",
               "readlink \"/proc/$$/fd/$1\" > \"$0.out\" || echo closed > \"$0.out\"\n"
               "ls -d /proc/$$/fd/0 /proc/$$/fd/2 >> \"$0.out\"");
    posix_processes processes;
    auto child = processes.start(program, " " + std::to_string(fd));
    ::close(fd);
    ASSERT_TRUE(child);
    const std::string fds = "/proc/" + std::to_string(static_cast<posix_process&>(*child).pid());
    wait_for_end_unreaped(static_cast<posix_process&>(*child).pid());
    EXPECT_TRUE(child->has_ended());
    EXPECT_THAT(lines_of(read_file(program + ".out")),
                ElementsAre("closed", fds + "/fd/0", fds + "/fd/2"));
}

TEST(posix_processes, children_dropped_while_running_are_reaped_later) {
    temp_folder folder;
    const std::string slow = script(folder, "slow", "sleep 0.2");
    const std::string quick = script(folder, "quick", "exit 0");
    auto processes = std::make_unique<posix_processes>();

    // Reaped by the next start.
    pid_t pid = static_cast<posix_process&>(*processes->start(slow, " ")).pid();
    wait_for_end_unreaped(pid);
    EXPECT_FALSE(is_reaped(pid)) << "nobody reaped it yet";
    auto next = processes->start(quick, " ");
    EXPECT_TRUE(is_reaped(pid));
    wait_for_end_unreaped(static_cast<posix_process&>(*next).pid());
    EXPECT_TRUE(next->has_ended());
    EXPECT_TRUE(next->has_ended()) << "asking again after the reap";

    // Reaped when the starter goes.
    pid = static_cast<posix_process&>(*processes->start(slow, " ")).pid();
    wait_for_end_unreaped(pid);
    processes.reset();
    EXPECT_TRUE(is_reaped(pid));
}

TEST(posix_processes, a_file_that_is_no_program_is_not_started_and_not_reported) {
    real_program r;
    const std::string text = r.p.folder / "notes.txt";
    write_file(text, "just text\n");
    posix_processes processes;
    EXPECT_FALSE(processes.start(text, " "));
    r.launch(text, "-q");
    EXPECT_TRUE(r.p.log_texts().empty());
    EXPECT_THAT(r.p.app.pointers(),
                ElementsAre(application::hourglass, application::default_pointer));
}

}  // namespace
}  // namespace tw
