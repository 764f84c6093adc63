#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <random>
#include <set>
#include <thread>

#include "program_run.hpp"
#include "test_seed.hpp"

namespace tw {
namespace {

using testing::program_run;

constexpr const char* ini_files[] = {"tw.ini", "fcd.ini", "task.ini"};
constexpr const char* old_settings =
    "[Current]\r\nSave Logs=y\r\nTimeout=45\r\nRun Tasks At Connect=yes\r\n";
constexpr const char* old_tasks = "[Tasks]\r\ntask0=/bin/true\r\n";

void start_from_old_files(program_run& run) {
    run.write("tw.ini", old_settings);
    run.write("task.ini", old_tasks);
    std::filesystem::remove(run.folder / "fcd.ini");
    std::filesystem::remove(run.folder / "outbox");  // made last at start-up
    run.start();
}

std::size_t temp_files(const program_run& run) {
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(run.folder.path()))
        count += entry.path().filename().string().find(".tmp-") != std::string::npos;
    return count;
}

// SIGKILL at random moments of start-up and of the shutdown a SIGTERM starts:
// every INI file is whole, with the old bytes or the new. The seed replays the
// pauses, not the program's own timing.
TEST(crash_during_write, every_file_is_old_or_new_and_a_clean_start_removes_the_temp_files) {
    program_run run;
    const auto clean_run = [&] {
        start_from_old_files(run);
        EXPECT_TRUE(run.wait_until([&] { return run.exists("outbox"); })) << run.error_output();
        run.send(SIGTERM);
        return run.wait_for_exit();
    };
    ASSERT_EQ(clean_run(), 0);  // gives the new bytes
    std::map<std::string, std::set<std::string>> whole;
    for (const char* name : ini_files) whole[name] = {run.file(name)};
    whole["tw.ini"].insert(old_settings);
    whole["task.ini"].insert(old_tasks);
    whole["fcd.ini"].insert("");  // not there yet

    const unsigned seed =
        testing::test_seed("crash", "TARNWICK_CRASH_SEED", std::random_device{}());
    std::mt19937 random(seed);
    const auto pause_ms = [&](int most) {
        std::this_thread::sleep_for(std::chrono::milliseconds(random() % most));
    };
    for (int round = 0; round < 50; ++round) {
        start_from_old_files(run);
        if (round % 2 == 0) {
            pause_ms(300);  // somewhere in start-up
        } else {
            ASSERT_TRUE(run.wait_until([&] { return run.exists("outbox"); }));
            run.send(SIGTERM);
            pause_ms(40);  // somewhere in the shutdown's writes
        }
        run.send(SIGKILL);
        ASSERT_TRUE(run.wait_for_exit().has_value());
        for (const char* name : ini_files)
            EXPECT_TRUE(whole[name].contains(run.file(name)))
                << "round " << round << ", seed " << seed << ": " << name << "\n"
                << run.file(name);
    }
    EXPECT_EQ(clean_run(), 0);
    EXPECT_EQ(temp_files(run), 0u);
}

}  // namespace
}  // namespace tw
