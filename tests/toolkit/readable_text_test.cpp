#include "toolkit/readable_text.hpp"

#include <gtest/gtest.h>

namespace tw {
namespace {

// A caption on a background of the program's own reads well (WCAG AA, 4.5:1),
// whichever colour it is: the red of a running schedule, grey, dark or light.
TEST(readable_text, a_caption_on_a_colour_of_its_own_has_contrast_enough) {
    for (const colour back :
         {red, light_grey, colour{0x00800000}, colour{0x000000C0}, black, white})
        EXPECT_GE(contrast_ratio(text_colour_on(back), back), 4.5) << std::hex << back;
    EXPECT_NEAR(contrast_ratio(black, white), 21.0, 0.01);
    EXPECT_NEAR(contrast_ratio(red, white), 4.0, 0.01) << "red is the colour's low byte";
}

}  // namespace
}  // namespace tw
