#include "platform/file_io.hpp"

#include <gtest/gtest.h>

#include "platform/path_rules.hpp"
#include "temp_folder.hpp"

namespace tw {
namespace {

TEST(file_io, a_file_is_read_up_to_the_size_limit_and_refused_beyond_it) {
    testing::temp_folder folder;
    const std::filesystem::path file = file_path(folder / "large.ini");
    testing::write_file(folder / "large.ini", "");
    const struct {
        std::int64_t size;
        bool read;
    } cases[] = {{max_file_bytes, true}, {max_file_bytes + 1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        std::filesystem::resize_file(file, static_cast<std::uintmax_t>(c.size));
        file_stamp stamp;
        if (c.read)
            EXPECT_EQ(static_cast<std::int64_t>(read_whole_file(file, stamp)->size()), c.size);
        else
            EXPECT_THROW(read_whole_file(file, stamp), file_too_large);
    }
}

}  // namespace
}  // namespace tw
