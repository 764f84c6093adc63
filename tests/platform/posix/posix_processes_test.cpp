#include "platform/posix/posix_processes.hpp"

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/posix/find_in_path.hpp"
#include "test_program.hpp"

namespace tw {
namespace {

using testing::read_file;
using testing::temp_folder;
using testing::write_file;

// An executable /bin/sh script in `folder`; returns its path.
std::string script(const temp_folder& folder, const std::string& name, const std::string& body) {
    const std::string path = folder / name;
    write_file(path, "#!/bin/sh\n" + body + "\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path;
}

pid_t pid_of(const std::unique_ptr<process>& child) {
    return static_cast<posix_process&>(*child).pid();
}

// Blocks until `pid` has ended, leaving it unreaped, so a test can see who reaps it.
void wait_for_end_unreaped(pid_t pid) {
    siginfo_t info{};
    while (::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOWAIT) != 0)
        ASSERT_EQ(errno, EINTR);
}

bool is_reaped(pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) == -1 && errno == ECHILD; }

TEST(posix_processes, parameters_arrive_as_arguments_and_no_shell_runs_them) {
    temp_folder folder;
    const std::string program = script(folder, "record", R"(printf '[%s]' "$0" "$@" > "$0.out")");
    const std::string pwned = folder / "pwned", text = folder / "notes.txt";
    posix_processes processes;
    const auto child = processes.start(
        program, R"(  first "two words" say\"hi\" ; touch )" + pwned + " $(touch " + pwned + ")");
    ASSERT_TRUE(child);
    wait_for_end_unreaped(pid_of(child));
    EXPECT_EQ(read_file(program + ".out"), "[" + program +
                                               "][first][two words][say\"hi\"][;][touch][" + pwned +
                                               "][$(touch][" + pwned + ")]");
    write_file(text, "echo > " + pwned + "\n");
    EXPECT_FALSE(processes.start(text, " ")) << "a file that is no program";
    EXPECT_FALSE(std::filesystem::exists(pwned));
}

TEST(posix_processes, tells_the_exit_code_or_the_signal_that_ended_a_program) {
    temp_folder folder;
    posix_processes processes;
    const struct {
        const char* body;
        process_end::kind how;
        int value;
    } cases[] = {{"exit 3", process_end::kind::exited, 3},
                 {"kill -TERM $$", process_end::kind::signalled, 15}};
    for (const auto& c : cases) {
        const auto child = processes.start(script(folder, "end", c.body), " ");
        ASSERT_TRUE(child);
        wait_for_end_unreaped(pid_of(child));
        ASSERT_TRUE(child->has_ended());
        EXPECT_EQ(child->end().how, c.how) << c.body;
        EXPECT_EQ(child->end().value, c.value) << c.body;
    }
}

// The whole program, its clock paced in real time so it cannot race ahead of a child.
TEST(posix_processes, a_launch_waits_for_the_end_and_skips_a_non_program_quietly) {
    posix_processes processes;
    testing::test_program p{testing::test_options{.real_processes = &processes}};
    p.loop.pace_in_real_time(true);
    std::string slow = script(p.folder, "slow", "sleep 0.3\ntouch \"$0.done\"");
    std::string text = p.folder / "notes.txt";
    write_file(text, "just text\n");
    p.drive([&] { p.prog.launcher.launch_app(slow, "", "YES"); });
    EXPECT_TRUE(std::filesystem::exists(slow + ".done"));
    p.drive([&] { p.prog.launcher.launch_app(text, "-q", "YES"); });
    EXPECT_TRUE(p.log_texts().empty());
    EXPECT_THAT(p.app.pointers(),
                ::testing::ElementsAre(application::hourglass, application::default_pointer,
                                       application::hourglass, application::default_pointer));
}

// SIGTERM ends a program that keeps the default; one that ignores it ends
// only by SIGKILL, which it cannot ignore.
TEST(posix_processes, a_program_asked_to_end_gets_sigterm_and_an_ended_one_sigkill) {
    temp_folder folder;
    posix_processes processes;
    const std::string fifo = folder / "ready";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // An ignored signal stays ignored across exec; the line in the FIFO says the trap is set.
    const std::string obeying = script(folder, "obeying", "exec sleep 30");
    const std::string ignoring =
        script(folder, "ignoring", "trap '' TERM\necho > \"" + fifo + "\"\nexec sleep 30");
    const auto obeys = processes.start(obeying, " ");
    const auto ignores = processes.start(ignoring, " ");
    ASSERT_TRUE(obeys && ignores);
    read_file(fifo);
    for (const auto* child : {&obeys, &ignores}) (*child)->ask_to_end();
    wait_for_end_unreaped(pid_of(obeys));
    ASSERT_TRUE(obeys->has_ended());
    EXPECT_EQ(obeys->end().value, SIGTERM);
    ignores->terminate();
    wait_for_end_unreaped(pid_of(ignores));
    ASSERT_TRUE(ignores->has_ended());
    EXPECT_EQ(ignores->end().value, SIGKILL) << "SIGTERM did not end it";
    obeys->terminate();  // ended already: nothing happens
}

// A task's script starts programs of its own; the request to end and the end
// reach them too. This process takes in the orphans (a subreaper), so it
// learns how the script's own child ended.
TEST(posix_processes, a_task_is_asked_to_end_and_ended_with_the_programs_it_started) {
    temp_folder folder;
    posix_processes processes;
    const std::string fifo = folder / "ready";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string task =
        script(folder, "task", "sleep 30 &\necho $! > \"$0.child\"\necho > \"" + fifo + "\"\nwait");
    ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    for (const int signal : {SIGTERM, SIGKILL}) {
        const auto started = processes.start_task(task, " ");
        ASSERT_TRUE(started);
        read_file(fifo);
        const pid_t its_child = std::stoi(read_file(task + ".child"));
        signal == SIGTERM ? started->ask_to_end() : started->terminate();
        wait_for_end_unreaped(pid_of(started));
        EXPECT_TRUE(started->has_ended());
        int status = 0;
        ASSERT_EQ(::waitpid(its_child, &status, 0), its_child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
    }
    ::prctl(PR_SET_CHILD_SUBREAPER, 0);
}

TEST(posix_processes, the_child_gets_no_descriptor_but_the_standard_three) {
    temp_folder folder;
    write_file(folder / "secret", "x");
    const int fd = ::open((folder / "secret").c_str(), O_RDONLY);  // inheritable on purpose
    ASSERT_GE(fd, 0);
    const std::string program = script(folder, "fds",
                                       "for f in $1 0 2; do\n"
                                       "  [ -L /proc/$$/fd/$f ] && echo open || echo closed\n"
                                       "done > \"$0.out\"");
    posix_processes processes;
    const auto child = processes.start(program, " " + std::to_string(fd));
    ::close(fd);
    ASSERT_TRUE(child);
    wait_for_end_unreaped(pid_of(child));
    EXPECT_TRUE(child->has_ended());
    EXPECT_EQ(read_file(program + ".out"), "closed\nopen\nopen\n");
}

TEST(posix_processes, a_child_dropped_while_running_is_reaped_by_the_next_start) {
    posix_processes processes;
    const pid_t pid = pid_of(processes.start("/bin/sleep", " 0.2"));
    wait_for_end_unreaped(pid);
    EXPECT_FALSE(is_reaped(pid)) << "nobody reaped it yet";
    const auto next = processes.start("/bin/true", " ");
    EXPECT_TRUE(is_reaped(pid));
    wait_for_end_unreaped(pid_of(next));
    EXPECT_TRUE(next->has_ended());
}

TEST(find_in_path, finds_the_first_executable_file_of_that_name) {
    temp_folder folder;
    const std::string plain = folder / "plain", other = folder / "dir", tools = folder / "tools";
    write_file(plain + "/editor", "not executable");
    std::filesystem::create_directories(other + "/editor");  // a folder, not a program
    const std::string editor = script(folder, "tools/editor", "");
    const std::string search = plain + ":" + other + "::" + tools;
    EXPECT_EQ(find_in_path("editor", search), editor);
    EXPECT_EQ(find_in_path("editor", plain), "editor") << "not found: the bare name";
    EXPECT_EQ(find_in_path("./editor", search), "./editor") << "a path is not searched";
}

}  // namespace
}  // namespace tw
