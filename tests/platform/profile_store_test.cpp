#include "platform/profile_store.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>

#include "profile_store_fixture.hpp"

namespace tw {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using testing::profile_store_test;
using testing::write_file;  // in place, keeping the inode, as an editor does

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

TEST_F(profile_store_test, another_writers_atomic_replace_is_seen_at_the_same_size_and_time) {
    write_file(file_, "[s]\nk=1\n");
    const auto second = std::chrono::floor<std::chrono::seconds>(fs::last_write_time(file_));
    fs::last_write_time(file_, second);
    EXPECT_EQ(store_.read(file_, "s", "k"), "1");

    const std::string other = folder_ / "other.ini";
    write_file(other, "[s]\nk=3\n");
    fs::last_write_time(other, second);
    fs::rename(other, file_);
    EXPECT_EQ(store_.read(file_, "s", "k"), "3");
}

TEST_F(profile_store_test, a_failed_edit_leaves_the_old_file_and_no_temp_file) {
    write_file(file_, "[s]\nk=1\n");
    EXPECT_THROW(store_.batch(file_,
                              [](ini_document& document) {
                                  document.write("s", "k", "2");
                                  document.write("s", "bad=key", "3");
                              }),
                 std::invalid_argument);
    EXPECT_EQ(store_.read(file_, "s", "k"), "1") << "the half-done edit is not cached";

    EXPECT_EQ(files_in_folder(), 1);
    EXPECT_EQ(store_.read(file_, "s", "k"), "1");
}

// Another instance writing while this one is between its read and its
// replace must not have its change dropped by this one's older copy: it waits
// for the lock and, held here past its patience, is told that it failed.
TEST_F(profile_store_test, a_write_inside_anothers_read_merge_write_is_never_lost_silently) {
    write_file(file_, "[s]\r\nk=1\r\n");
    profile_store other;
    std::string others_write = "done";
    store_.batch(file_, [&](ini_document& document) {
        document.write("s", "mine", "2");
        try {
            other.write(file_, "s", "theirs", "3");
        } catch (const profile_error& error) {
            others_write = error.what();
        }
    });
    EXPECT_THAT(on_disk(), HasSubstr("mine=2"));
    if (others_write == "done")
        EXPECT_THAT(on_disk(), HasSubstr("theirs=3"));
    else
        EXPECT_THAT(others_write, HasSubstr("another program keeps it locked"));
}

TEST_F(profile_store_test, an_unreadable_file_reads_empty_and_is_not_overwritten) {
    fs::create_directory(file_);
    EXPECT_EQ(store_.read(file_, "s", "k"), "");
    EXPECT_THAT(refused_write(), HasSubstr("cannot read"));
    EXPECT_TRUE(fs::is_directory(file_));
}

}  // namespace
}  // namespace tw
