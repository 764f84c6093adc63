#include <gtest/gtest.h>

#include "toolkit/check_box.hpp"
#include "toolkit/combo_box.hpp"
#include "toolkit/list_box.hpp"
#include "toolkit/scroll_bar.hpp"
#include "toolkit/text_box.hpp"

namespace tw {
namespace {

// Counts how often an event fired.
struct counter {
    int fired = 0;
    template <class E>
    explicit counter(E& event) {
        event.connect([this](auto...) { ++fired; });
    }
};

TEST(controls, value_events_fire_inside_the_setter_only_when_the_value_changes) {
    text_box box;
    counter change(box.change);
    box.set_text("120");
    box.set_text("120");
    box.set_text("");
    EXPECT_EQ(change.fired, 2);

    check_box tick;
    bool seen_ticked = false;
    tick.click.connect([&] { seen_ticked = tick.ticked(); });
    tick.set_value(1);
    EXPECT_TRUE(seen_ticked) << "the handler runs before the setter returns";
    counter click(tick.click);
    tick.set_value(1);
    tick.set_value(2);
    EXPECT_EQ(click.fired, 1);
    EXPECT_FALSE(tick.ticked()) << "a greyed box does not count as ticked";

    scroll_bar bar;
    counter moved(bar.change);
    bar.set_value(3);
    bar.set_value(3);
    EXPECT_EQ(moved.fired, 1);
}

TEST(controls, list_click_fires_whenever_the_index_is_set_and_selection_follows_removals) {
    list_box list;
    counter click(list.click);
    for (const char* item : {"a", "b", "c"}) list.add_item(item);
    list.set_list_index(2);
    list.set_list_index(2);
    EXPECT_EQ(click.fired, 2);
    EXPECT_EQ(list.text(), "c");

    list.remove_item(0);
    EXPECT_EQ(list.list_index(), 1) << "the selection stays on its item";
    list.remove_item(1);
    EXPECT_EQ(list.list_index(), -1);
    EXPECT_EQ(list.text(), "");
    EXPECT_THROW(list.set_list_index(5), std::out_of_range);
}

TEST(controls, combo_box_text_follows_the_pick_but_setting_text_does_not_click) {
    combo_box combo(true);
    counter click(combo.click);
    combo.add_item("10 minutes");
    combo.add_item("Daily");
    combo.set_list_index(1);
    EXPECT_EQ(combo.text(), "Daily");
    combo.set_text("07:15");
    EXPECT_EQ(click.fired, 1);
    EXPECT_EQ(combo.text(), "07:15");
    combo.clear();
    EXPECT_EQ(combo.text(), "");
}

}  // namespace
}  // namespace tw
