#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include "test_program.hpp"

namespace tw {
namespace {

using ::testing::HasSubstr;

// A program whose ledger and error log lie in its folder, with the program
// file "fetch" there.
struct ledger_program : testing::test_program {
    std::string tool = folder / "fetch";
    std::string ledger_path = folder / "tasks.csv";

    ledger_program() {
        write("fetch", "");
        prog.program_folder = folder.path().string();
        prog.log_directory = folder.path().string();
    }
    void run_task() {
        drive([&] { prog.launcher.run_scheduled_task(tool, "-q", run_trigger::schedule); });
    }
    // A run on a disk that has room for files of up to `bytes` bytes only.
    void run_task_with_room_for(std::size_t bytes) {
        const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY}, limited{bytes, RLIM_INFINITY};
        const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
        run_task();
        ::setrlimit(RLIMIT_FSIZE, &unlimited);
        std::signal(SIGXFSZ, old_handler);
    }
};

TEST(run_ledger, rows_are_whole_or_absent_and_a_failure_is_reported_where_it_fits) {
    ledger_program l;
    // An older run's torn row, long enough that the error log has room where the ledger has not.
    l.write("tasks.csv", "start,end\r\n2026-12-06T12:00:00+00:00," + std::string(1000, 'x'));
    l.run_task();
    const std::string whole = l.file("tasks.csv");
    EXPECT_THAT(whole, HasSubstr("xx\r\n2026-12-06T12:00:00+00:00,"));
    EXPECT_TRUE(whole.ends_with(",exit 0,schedule," + l.tool + ",-q\r\n")) << whole;

    l.run_task_with_room_for(whole.size() + 10);
    EXPECT_EQ(l.file("tasks.csv"), whole) << "a partial row is taken back";
    EXPECT_THAT(l.file("log.txt"), HasSubstr("cannot write '" + l.ledger_path +
                                             "': File too large\r\n" + std::string(80, '-')));

    const std::string log = l.file("log.txt");
    ::testing::internal::CaptureStderr();
    l.run_task_with_room_for(log.size() + 10);
    EXPECT_THAT(::testing::internal::GetCapturedStderr(),
                HasSubstr("cannot write '" + l.ledger_path + "'"));
    EXPECT_EQ(l.file("log.txt"), log);
    EXPECT_EQ(l.file("tasks.csv"), whole);
    EXPECT_EQ(l.fakes.started().size(), 3u) << "the tasks ran all the same";
}

// A FIFO would block the open until a reader comes, and swallow the rows then.
TEST(run_ledger, a_fifo_in_its_place_counts_as_unwritable_and_nothing_waits_on_it) {
    ledger_program l;
    ASSERT_EQ(::mkfifo(l.ledger_path.c_str(), 0600), 0);
    l.run_task();
    const int reader = ::open(l.ledger_path.c_str(), O_RDONLY | O_NONBLOCK);
    l.run_task();
    ::close(reader);
    EXPECT_EQ(l.fakes.started().size(), 2u);
    const std::string log = l.file("log.txt"),
                      report = "cannot write '" + l.ledger_path + "': not a regular file\r\n";
    const auto first = log.find(report);
    EXPECT_NE(first, std::string::npos) << log;
    EXPECT_NE(log.find(report, first + 1), std::string::npos) << "each run reports it";
}

}  // namespace
}  // namespace tw
