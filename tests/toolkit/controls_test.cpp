#include <gtest/gtest.h>

#include "toolkit/check_box.hpp"
#include "toolkit/combo_box.hpp"
#include "toolkit/list_box.hpp"
#include "toolkit/scroll_bar.hpp"
#include "toolkit/tab_control.hpp"
#include "toolkit/text_box.hpp"
#include "toolkit/window.hpp"

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

TEST(controls, text_box_change_fires_on_every_new_text_but_not_on_the_same_text) {
    text_box box;
    counter change(box.change);
    box.set_text("120");
    box.set_text("120");
    box.set_text("");
    EXPECT_EQ(change.fired, 2);
}

TEST(controls, check_box_click_fires_when_the_value_changes_from_code_too) {
    check_box box;
    counter click(box.click);
    box.set_value(1);
    box.set_value(1);
    box.set_value(2);
    EXPECT_EQ(click.fired, 2);
    EXPECT_FALSE(box.ticked()) << "a greyed box does not count as ticked";
}

TEST(controls, handlers_run_inside_the_setter_before_it_returns) {
    check_box box;
    bool seen_ticked = false;
    box.click.connect([&] { seen_ticked = box.ticked(); });
    box.set_value(1);
    EXPECT_TRUE(seen_ticked);
}

TEST(controls, list_click_fires_whenever_the_index_is_set_and_selection_follows_removals) {
    list_box list;
    counter click(list.click);
    list.add_item("a");
    list.add_item("b");
    list.add_item("c");
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

TEST(controls, scroll_bar_and_tab_change_fire_only_on_a_new_value) {
    scroll_bar bar;
    counter change(bar.change);
    bar.set_value(3);
    bar.set_value(3);
    EXPECT_EQ(change.fired, 1);

    tab_control tabs({"a", "b"});
    counter click(tabs.click);
    tabs.set_tab(0);
    tabs.set_tab(1);
    EXPECT_EQ(click.fired, 1);
}

TEST(controls, window_resize_fires_on_size_or_state_changes) {
    window form;
    counter resize(form.resize);
    form.set_size(6135, 4755);
    form.set_size(6135, 4755);
    form.set_state(window_state::minimized);
    form.set_caption("00:00:01");
    EXPECT_EQ(resize.fired, 2);
}

TEST(controls, views_hear_every_state_change) {
    text_box box;
    counter state(box.state_changed);
    box.set_text("x");
    box.set_enabled(false);
    box.set_visible(false);
    box.set_back_colour(light_grey);
    box.set_enabled(false);
    EXPECT_EQ(state.fired, 4);
}

}  // namespace
}  // namespace tw
