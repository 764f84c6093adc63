#include <gtest/gtest.h>

#include "toolkit/file_filter.hpp"
#include "toolkit/twips.hpp"

namespace tw {
namespace {

TEST(view_rules, a_file_filter_is_pairs_of_description_and_patterns) {
    const struct {
        const char* filter;
        std::vector<file_filter_choice> choices;
    } cases[] = {
        {"Text|*.txt;*.log|All (*.*)|*.*", {{"Text", {"*.txt", "*.log"}}, {"All (*.*)", {"*.*"}}}},
        {"Log|*.log|Dangling", {{"Log", {"*.log"}}}},
        {"", {}},
    };
    for (const auto& c : cases) {
        const std::vector<file_filter_choice> choices = file_filter_choices(c.filter);
        ASSERT_EQ(choices.size(), c.choices.size()) << c.filter;
        for (std::size_t i = 0; i < choices.size(); ++i) {
            EXPECT_EQ(choices[i].description, c.choices[i].description) << c.filter;
            EXPECT_EQ(choices[i].patterns, c.choices[i].patterns) << c.filter;
        }
    }
    EXPECT_EQ(joined_patterns(file_filter_choices("Text|*.txt;*.log")[0], " "), "*.txt *.log");
}

// Rounded to the nearest pixel, not truncated, and back to the same twips.
TEST(view_rules, twips_become_pixels_by_the_screens_dpi) {
    const struct {
        int twips, dpi, pixels;
    } cases[] = {{6135, 96, 409}, {6135, 144, 614}, {1890, 96, 126}, {4755, 120, 396}};
    for (const auto& c : cases)
        EXPECT_EQ(twips_to_pixels(c.twips, c.dpi), c.pixels) << c.twips << " at " << c.dpi;
    EXPECT_EQ(pixels_to_twips(409, 96), 6135);
    EXPECT_EQ(pixels_to_twips(614, 144), 6140);
}

}  // namespace
}  // namespace tw
