#include "platform/profile_store.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <iterator>
#include <vector>

namespace tw {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

class profile_store_test : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() /
                  ("tw-profile-" + std::to_string(::getpid()) + "-" + test->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        file_ = folder_ / "tasks.ini";
    }
    void TearDown() override {
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder_);
    }

    // Rewrites the file in place, as an editor does that keeps the inode.
    static void put(const fs::path& file, std::string_view bytes) {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    }
    std::string on_disk() const {
        std::ifstream in(file_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::vector<std::string> folder_names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_))
            names.push_back(entry.path().filename().string());
        return names;
    }
    // Root ignores permission bits; tests of refused writes cannot run then.
    bool permissions_enforced() const {
        fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
        const bool enforced = !std::ofstream(folder_ / "probe");
        fs::permissions(folder_, fs::perms::owner_all);
        fs::remove(folder_ / "probe");
        return enforced;
    }
    std::string refused_write() {
        try {
            store_.write(file_, "s", "k", "new");
        } catch (const profile_error& error) {
            return error.what();
        }
        return "no error";
    }

    fs::path folder_;
    fs::path file_;
    profile_store store_;
};

TEST_F(profile_store_test, missing_file_reads_empty_and_only_a_real_change_creates_it) {
    EXPECT_EQ(store_.read(file_, "s", "k"), "");
    store_.write(file_, "s", "k", std::nullopt);
    store_.batch(file_, [](ini_document& document) { document.write("s", "k", std::nullopt); });
    EXPECT_FALSE(fs::exists(file_));
    store_.write(file_, "s", "k", "v");
    EXPECT_EQ(on_disk(), "[s]\r\nk=v\r\n");
}

TEST_F(profile_store_test, batch_writes_once_what_key_by_key_writes_would) {
    const std::string before = "[s]\r\nk=1\r\n";
    put(file_, before);
    const auto old_time = fs::last_write_time(file_) - std::chrono::hours(1);
    fs::last_write_time(file_, old_time);
    store_.write(file_, "s", "k", "1");
    store_.batch(file_, [](ini_document& document) {
        document.write("s", "k", "2");
        document.write("s", "k", "1");
    });
    EXPECT_EQ(fs::last_write_time(file_), old_time);

    store_.batch(file_, [](ini_document& document) {
        document.write("s", "n", document.read("s", "k") + "0");
        document.write("t", "k", "3");
    });
    ini_document expected(before);
    expected.write("s", "n", "10");
    expected.write("t", "k", "3");
    EXPECT_EQ(on_disk(), expected.bytes());
}

TEST_F(profile_store_test, cache_follows_the_stat_of_the_file) {
    put(file_, "[s]\nk=1\n");
    const auto second = std::chrono::floor<std::chrono::seconds>(fs::last_write_time(file_));
    fs::last_write_time(file_, second);
    EXPECT_EQ(store_.read(file_, "s", "k"), "1");

    put(file_, "[s]\nk=2\n");  // same size, same second, a nanosecond later
    fs::last_write_time(file_, second + std::chrono::nanoseconds(1));
    EXPECT_EQ(store_.read(file_, "s", "k"), "2");

    put(file_, "[s]\nk=3\n");  // stat unchanged: the cached document answers
    fs::last_write_time(file_, second + std::chrono::nanoseconds(1));
    EXPECT_EQ(store_.read(file_, "s", "k"), "2");

    const fs::path other = folder_ / "other.ini";  // another writer's atomic replace
    put(other, "[s]\nk=4\n");
    fs::last_write_time(other, second + std::chrono::nanoseconds(1));
    fs::rename(other, file_);
    EXPECT_EQ(store_.read(file_, "s", "k"), "4");

    store_.write(file_, "s", "k", "5");  // the store's own write is cached as written
    const auto written = fs::last_write_time(file_);
    put(file_, "[s]\nk=6\r\n");
    fs::last_write_time(file_, written);
    EXPECT_EQ(store_.read(file_, "s", "k"), "5");
}

TEST_F(profile_store_test, full_disk_leaves_the_old_file_and_no_temp_file) {
    put(file_, "[s]\nk=1\n");
    const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY};
    const rlimit tiny{4, RLIM_INFINITY};
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const std::string error = refused_write();
    ::setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, old_handler);

    EXPECT_THAT(error, HasSubstr(file_.string()));
    EXPECT_THAT(error, HasSubstr("File too large"));
    EXPECT_EQ(on_disk(), "[s]\nk=1\n");
    EXPECT_EQ(folder_names(), std::vector<std::string>{"tasks.ini"});
    EXPECT_EQ(store_.read(file_, "s", "k"), "1");
}

TEST_F(profile_store_test, refused_writes_name_the_file_and_the_reason) {
    if (!permissions_enforced()) GTEST_SKIP() << "permission bits are not enforced for this user";
    put(file_, "[s]\nk=1\n");
    fs::permissions(file_, fs::perms::owner_read);
    EXPECT_THAT(refused_write(), HasSubstr("Permission denied"));
    fs::permissions(file_, fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THAT(refused_write(), HasSubstr(file_.string() + "': Permission denied"));
    EXPECT_EQ(on_disk(), "[s]\nk=1\n");
    EXPECT_EQ(folder_names(), std::vector<std::string>{"tasks.ini"});
}

TEST_F(profile_store_test, unreadable_file_reads_empty_and_is_not_overwritten) {
    fs::create_directory(file_);
    EXPECT_EQ(store_.read(file_, "s", "k"), "");
    EXPECT_THAT(refused_write(), HasSubstr("cannot read"));
    EXPECT_TRUE(fs::is_directory(file_));
}

TEST_F(profile_store_test, keeps_the_file_permissions) {
    put(file_, "[s]\nk=1\n");
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(file_, mode);
    store_.write(file_, "s", "k", "2");
    EXPECT_EQ(fs::status(file_).permissions(), mode);
}

TEST_F(profile_store_test, failed_batch_leaves_the_file_and_the_cache_as_on_disk) {
    put(file_, "[s]\nk=1\n");
    const auto failing_edit = [](ini_document& document) {
        document.write("s", "k", "2");
        document.write("s", "bad=key", "3");
    };
    EXPECT_THROW(store_.batch(file_, failing_edit), std::invalid_argument);
    EXPECT_EQ(on_disk(), "[s]\nk=1\n");
    EXPECT_EQ(store_.read(file_, "s", "k"), "1");
}

}  // namespace
}  // namespace tw
