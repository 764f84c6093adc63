#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <filesystem>

#include "program_run.hpp"

namespace tw {
namespace {

using testing::program_run;

TEST(first_start, without_remote_access_it_says_so_and_ends_with_1_before_writing_anything) {
    program_run run({}, {"TARNWICK_DIALER=none"});
    run.start();
    EXPECT_EQ(run.wait_for_exit(), 1);
    EXPECT_NE(run.error_output().find("RAS Dialer: RAS Services are not available.  This "
                                      "program will not function without them.\n"),
              std::string::npos)
        << run.error_output();
    EXPECT_FALSE(run.exists("tw.ini"));
}

// The files a first start writes are the settings tests'; here a signal ends
// the real process as the window's Exit does.
TEST(first_start, settings_survive_a_restart) {
    program_run run;
    run.write("tw.ini",
              "[Current]\r\nDisconnect After Last Task=Yes\r\nSave Logs=y\r\nTimeout=45\r\n"
              "Retry Count=5\r\nDefault ISP=MyISP\r\n");
    run.start();
    ASSERT_TRUE(run.wait_until([&] { return run.exists("outbox"); })) << run.error_output();
    run.send(SIGINT);
    EXPECT_EQ(run.wait_for_exit(), 0);
    const std::string ini = run.file("tw.ini");
    for (const char* kept : {"Disconnect After Last Task=Yes", "Save Logs=Yes", "Timeout=45",
                             "Retry Count=5", "Default ISP=MyISP", "Run Tasks At Connect=No"})
        EXPECT_NE(ini.find(kept), std::string::npos) << kept << "\n" << ini;
    EXPECT_TRUE(run.exists("logs/last.log"));
}

// FIFOs named as the phone book, the task file, the help file and the browser
// would block any open for reading until a writer comes.
TEST(first_start, fifos_in_place_of_files_neither_hang_it_nor_keep_it_from_ending) {
    program_run run;
    const std::string fifo = run.folder / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_directory(run.folder / "ras");
    ASSERT_EQ(::mkfifo((run.folder / "ras/rasphone.pbk").c_str(), 0600), 0);
    run.write("tw.ini", "[Current]\r\nHelp File=" + fifo + "\r\nTask Ini File=" + fifo +
                            "\r\nBrowser=" + fifo + "\r\n");
    run.start();
    ASSERT_TRUE(run.wait_until([&] { return run.exists("outbox"); }, std::chrono::seconds(10)));
    run.send(SIGTERM);
    EXPECT_EQ(run.wait_for_exit(std::chrono::seconds(10)), 0);
    EXPECT_NE(run.file("tw.ini").find("\r\nBrowser=\r\n"), std::string::npos) << run.file("tw.ini");
}

}  // namespace
}  // namespace tw
