#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>

#include "../profile_store_fixture.hpp"

namespace tw {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using testing::profile_store_test;
using testing::read_file;
using testing::write_file;

// The Windows runtime sets file times to the second only, and a file there has
// no change time that tools cannot set, so these run here.
TEST_F(profile_store_test, a_same_size_rewrite_a_nanosecond_later_is_seen) {
    write_file(file_, "[s]\nk=1\n");
    const auto second = std::chrono::floor<std::chrono::seconds>(fs::last_write_time(file_));
    fs::last_write_time(file_, second);
    EXPECT_EQ(store_.read(file_, "s", "k"), "1");
    write_file(file_, "[s]\nk=2\n");
    fs::last_write_time(file_, second + std::chrono::nanoseconds(1));
    EXPECT_EQ(store_.read(file_, "s", "k"), "2");

    write_file(file_, "[s]\nk=4\n");  // same size, the time stamp set back as cp -p does
    fs::last_write_time(file_, second + std::chrono::nanoseconds(1));
    EXPECT_EQ(store_.read(file_, "s", "k"), "4");
}

TEST_F(profile_store_test, removes_the_temp_files_of_killed_writers_only) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    const auto temp = [&](const std::string& file, pid_t writer) {
        return file + ".tmp-" + std::to_string(writer) + "-3";
    };
    const std::string other = folder_ / "other.ini";
    const std::string kept[] = {temp(file_, ::getpid()), temp(file_, ::getppid()),
                                temp(other, child), file_ + ".tmp-x-1"};
    for (const std::string& path : kept) write_file(path, "kept");
    write_file(temp(file_, child), "stale");
    store_.read(file_, "s", "k");  // the first look at a file clears up
    EXPECT_FALSE(fs::exists(temp(file_, child)));
    write_file(temp(file_, child), "stale");
    store_.write(file_, "s", "k", "1");  // and so does every write
    EXPECT_FALSE(fs::exists(temp(file_, child)));
    for (const std::string& path : kept) EXPECT_TRUE(fs::exists(path)) << path;
}

TEST_F(profile_store_test, a_full_disk_leaves_the_old_file_and_no_temp_file) {
    write_file(file_, "[s]\nk=1\n");
    const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY}, tiny{4, RLIM_INFINITY};
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const std::string error = refused_write();
    ::setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, old_handler);
    EXPECT_THAT(error, HasSubstr(file_ + "': File too large"));
    EXPECT_EQ(on_disk(), "[s]\nk=1\n");
    EXPECT_EQ(files_in_folder(), 1);
    EXPECT_EQ(store_.read(file_, "s", "k"), "1");
}

TEST_F(profile_store_test, keeps_the_permissions_and_refuses_a_read_only_file_or_folder) {
    write_file(file_, "[s]\nk=1\n");
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(file_, mode);
    store_.write(file_, "s", "k", "2");
    EXPECT_EQ(fs::status(file_).permissions(), mode);

    if (::geteuid() == 0) GTEST_SKIP() << "permission bits are not enforced for root";
    fs::permissions(file_, fs::perms::owner_read);
    EXPECT_THAT(refused_write(), HasSubstr(file_ + "': Permission denied"));
    fs::permissions(file_, mode);
    fs::permissions(folder_.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THAT(refused_write(), HasSubstr(file_ + "': Permission denied"));
    EXPECT_EQ(on_disk(), "[s]\nk=2\r\n");
    EXPECT_EQ(files_in_folder(), 1);
}

// Root writing a user's file must leave it the user's, or the user's next run
// cannot write it. A link is the user's way to keep the file elsewhere.
TEST_F(profile_store_test, a_file_keeps_its_owner_and_a_link_is_followed_to_its_target) {
    if (::geteuid() == 0) {  // only root can give a file to another user
        write_file(file_, "[s]\nk=0\n");
        ASSERT_EQ(::chown(file_.c_str(), 65534, 65534), 0);
        store_.write(file_, "s", "k", "1");
        struct stat info {};
        ASSERT_EQ(::stat(file_.c_str(), &info), 0);
        EXPECT_EQ(info.st_uid, 65534u);
        EXPECT_EQ(info.st_gid, 65534u);
        fs::remove(file_);
    }
    fs::create_directory(folder_ / "real");
    const std::string target = folder_ / "real/settings.ini";
    write_file(target, "[s]\nk=1\n");
    fs::create_symlink("real/settings.ini", folder_ / "hop");  // relative, through a second link
    fs::create_symlink(folder_ / "hop", file_);
    store_.write(file_, "s", "k", "2");
    EXPECT_TRUE(fs::is_symlink(file_));
    EXPECT_EQ(read_file(target), "[s]\nk=2\r\n");
    EXPECT_EQ(files_in_folder(), 3) << "the two links and the target's folder, no temp file";
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_ / "real"), {}), 1);

    fs::remove(target);  // a dangling link: its target is created
    store_.write(file_, "s", "k", "3");
    EXPECT_TRUE(fs::is_symlink(file_));
    EXPECT_EQ(read_file(target), "[s]\r\nk=3\r\n");
}

}  // namespace
}  // namespace tw
