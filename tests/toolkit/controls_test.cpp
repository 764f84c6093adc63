#include <gtest/gtest.h>

#include <array>

#include "toolkit/check_box.hpp"
#include "toolkit/combo_box.hpp"
#include "toolkit/list_box.hpp"
#include "toolkit/option_button.hpp"
#include "toolkit/scroll_bar.hpp"
#include "toolkit/status_bar.hpp"
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

// Both views hand a user's pick to `choose`: the handler of the new choice
// sees the old one cleared already.
TEST(controls, a_pick_clears_the_rest_of_its_group_before_click) {
    std::array<option_button, 3> group;
    group[0].set_value(true);
    bool others_clear = false;
    group[2].click.connect([&] { others_clear = !group[0].value() && !group[1].value(); });
    counter clicks(group[2].click);
    choose(group[2], group);
    choose(group[2], group);
    EXPECT_TRUE(others_clear);
    EXPECT_EQ(clicks.fired, 1) << "picking the chosen one again changes nothing";

    status_bar status;
    counter shown(status.state_changed);
    status.set_text("Dialing MyISP");
    EXPECT_EQ(status.caption(), "Dialing MyISP") << "the views show the status text as its caption";
    EXPECT_EQ(shown.fired, 1);
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

// A list steps on from the item it selects, so the text shown must be that item.
TEST(controls, combo_box_text_set_by_code_or_typed_selects_its_item_or_none) {
    struct step {
        const char* text;
        int selected;
    };
    combo_box combo(true);
    for (const char* item : {"08:00", "08:10", "08:20"}) combo.add_item(item);
    counter click(combo.click);
    counter shown(combo.state_changed);
    for (const step s :
         {step{"08:10", 1}, step{"08:1", -1}, step{"08:20", 2}, step{"", -1}, step{"08:00", 0}}) {
        SCOPED_TRACE(s.text);
        combo.set_text(s.text);
        EXPECT_EQ(combo.list_index(), s.selected);
        EXPECT_EQ(combo.text(), s.text);
    }
    EXPECT_EQ(click.fired, 0);
    EXPECT_EQ(shown.fired, 5) << "the view follows each change";
    combo.set_list_index(0);
    combo.set_text("08:00");
    EXPECT_EQ(shown.fired, 6) << "no change, nothing to show";
}

}  // namespace
}  // namespace tw
