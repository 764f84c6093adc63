#include "platform/instance_lock.hpp"

#include <gtest/gtest.h>

#include "temp_folder.hpp"

namespace tw {
namespace {

TEST(instance_lock, one_instance_per_folder_until_it_ends) {
    testing::temp_folder folder, elsewhere;
    constexpr std::chrono::milliseconds at_once{0};
    auto first = take_instance_lock(folder.path().string(), at_once);
    ASSERT_TRUE(first);
    EXPECT_FALSE(take_instance_lock(folder.path().string(), at_once));
    EXPECT_TRUE(take_instance_lock(elsewhere.path().string(), at_once));
    first.reset();
    EXPECT_TRUE(take_instance_lock(folder.path().string(), at_once));
}

}  // namespace
}  // namespace tw
