#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/profile_store.hpp"
#include "temp_folder.hpp"

namespace tw::testing {

// A store and the path of one INI file in a fresh folder.
class profile_store_test : public ::testing::Test {
protected:
    std::string on_disk() const { return read_file(file_); }
    auto files_in_folder() const {
        return std::distance(std::filesystem::directory_iterator(folder_.path()), {});
    }
    std::string refused_write() {
        try {
            store_.write(file_, "s", "k", "new");
        } catch (const profile_error& error) {
            return error.what();
        }
        return "no error";
    }

    temp_folder folder_;
    std::string file_ = folder_ / "tasks.ini";
    profile_store store_;
};

}  // namespace tw::testing
