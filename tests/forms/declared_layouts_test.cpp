#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "layout_rules.hpp"
#include "test_program.hpp"

namespace tw {
namespace {

// At any size and DPI; each view's own test checks that the controls and
// their captions fit in its windows.
TEST(declared_layouts, no_control_overlaps_another_unless_a_frame_holds_it) {
    testing::test_program p;
    for (const modal_form& f : testing::every_form(p.prog)) {
        SCOPED_TRACE(f.layout.pages.front().front().name);
        EXPECT_THAT(testing::overlapping_controls(f.layout), ::testing::IsEmpty());
    }
}

}  // namespace
}  // namespace tw
