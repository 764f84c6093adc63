#include "platform/profile_store.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>

#include "temp_folder.hpp"

namespace tw {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using testing::write_file;  // in place, keeping the inode, as an editor does

class profile_store_test : public ::testing::Test {
protected:
    std::string on_disk() const { return testing::read_file(file_); }
    auto files_in_folder() const {
        return std::distance(fs::directory_iterator(folder_.path()), {});
    }
    std::string refused_write() {
        try {
            store_.write(file_, "s", "k", "new");
        } catch (const profile_error& error) {
            return error.what();
        }
        return "no error";
    }

    testing::temp_folder folder_;
    std::string file_ = folder_ / "tasks.ini";
    profile_store store_;
};

TEST_F(profile_store_test, only_changes_create_the_file_and_a_batch_writes_like_single_writes) {
    EXPECT_EQ(store_.read(file_, "s", "k"), "");
    store_.write(file_, "s", "k", std::nullopt);
    store_.batch(file_, [](ini_document& document) { document.write("s", "k", std::nullopt); });
    EXPECT_FALSE(fs::exists(file_));
    store_.write(file_, "s", "k", "1");
    EXPECT_EQ(on_disk(), "[s]\r\nk=1\r\n");

    store_.batch(file_, [](ini_document& document) {
        document.write("s", "n", document.read("s", "k") + "0");
        document.write("t", "k", "3");
    });
    EXPECT_EQ(on_disk(), "[s]\r\nk=1\r\nn=10\r\n[t]\r\nk=3\r\n");
}

TEST_F(profile_store_test, another_writers_change_is_seen_even_within_the_same_second) {
    write_file(file_, "[s]\nk=1\n");
    const auto second = std::chrono::floor<std::chrono::seconds>(fs::last_write_time(file_));
    fs::last_write_time(file_, second);
    EXPECT_EQ(store_.read(file_, "s", "k"), "1");

    write_file(file_, "[s]\nk=2\n");  // same size, a nanosecond later
    fs::last_write_time(file_, second + std::chrono::nanoseconds(1));
    EXPECT_EQ(store_.read(file_, "s", "k"), "2");

    write_file(file_, "[s]\nk=4\n");  // same size, the time stamp set back as cp -p does
    fs::last_write_time(file_, second + std::chrono::nanoseconds(1));
    EXPECT_EQ(store_.read(file_, "s", "k"), "4");

    const std::string other = folder_ / "other.ini";  // an atomic replace, same size and time
    write_file(other, "[s]\nk=3\n");
    fs::last_write_time(other, second + std::chrono::nanoseconds(1));
    fs::rename(other, file_);
    EXPECT_EQ(store_.read(file_, "s", "k"), "3");
}

TEST_F(profile_store_test, a_failed_edit_or_a_full_disk_leaves_the_old_file_and_no_temp_file) {
    write_file(file_, "[s]\nk=1\n");
    EXPECT_THROW(store_.batch(file_,
                              [](ini_document& document) {
                                  document.write("s", "k", "2");
                                  document.write("s", "bad=key", "3");
                              }),
                 std::invalid_argument);
    EXPECT_EQ(store_.read(file_, "s", "k"), "1") << "the half-done edit is not cached";

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

TEST_F(profile_store_test, an_unreadable_file_reads_empty_and_is_not_overwritten) {
    fs::create_directory(file_);
    EXPECT_EQ(store_.read(file_, "s", "k"), "");
    EXPECT_THAT(refused_write(), HasSubstr("cannot read"));
    EXPECT_TRUE(fs::is_directory(file_));
}

}  // namespace
}  // namespace tw
