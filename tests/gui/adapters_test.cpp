#include "gui/adapters.hpp"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <memory>

#include "gui/item_list_adapter.hpp"

namespace tw {
namespace {

// How often an event fired.
template <class Event>
std::shared_ptr<int> count(Event& event) {
    auto fired = std::make_shared<int>(0);
    event.connect([fired](auto&&...) { ++*fired; });
    return fired;
}

void type(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
    }
}

void press_key(QWidget* widget, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

class adapters : public testing::Test {
protected:
    ~adapters() override { delete parent; }
    template <class Widget>
    Widget* make() {
        return new Widget(parent);
    }
    QWidget* parent = new QWidget;
};

TEST_F(adapters, a_button_click_reaches_the_click_event_and_caption_and_enabled_follow) {
    button control;
    control.set_caption("Connect");
    auto* widget = make<QPushButton>();
    adapt(control, widget);
    const auto clicks = count(control.click);

    widget->click();
    EXPECT_EQ(*clicks, 1);
    EXPECT_EQ(widget->text(), "Connect");

    control.set_caption("Disconnect");
    control.set_enabled(false);
    EXPECT_EQ(widget->text(), "Disconnect");
    EXPECT_FALSE(widget->isEnabled());
}

TEST_F(adapters, a_label_clicked_with_the_left_button_fires_click) {
    label control;
    auto* widget = make<QLabel>();
    adapt(control, widget);
    const auto clicks = count(control.click);

    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(1, 1), QPointF(1, 1), button,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &release);
    }
    EXPECT_EQ(*clicks, 1);
}

TEST_F(adapters, typing_in_a_text_box_fires_change_and_code_changes_do_not_echo) {
    text_box control;
    auto* widget = make<QLineEdit>();
    adapt(control, widget);
    const auto changes = count(control.change);

    type(widget, "45");
    EXPECT_EQ(control.text(), "45");
    EXPECT_EQ(*changes, 2);

    control.set_text("60");
    EXPECT_EQ(widget->text(), "60");
    EXPECT_EQ(*changes, 3);

    control.set_visible(false);
    EXPECT_TRUE(widget->isHidden());
    control.set_visible(true);
    EXPECT_FALSE(widget->isHidden());
}

TEST_F(adapters, a_text_box_reports_lost_focus_but_not_a_switch_to_another_window) {
    text_box control;
    auto* widget = make<QLineEdit>();
    adapt(control, widget);
    const auto losses = count(control.lost_focus);

    for (const Qt::FocusReason reason : {Qt::TabFocusReason, Qt::ActiveWindowFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(widget, &out);
    }
    EXPECT_EQ(*losses, 1);
}

TEST_F(adapters, a_check_box_click_sets_the_value_and_a_greyed_value_shows_partly_checked) {
    check_box control;
    auto* widget = make<QCheckBox>();
    adapt(control, widget);
    const auto clicks = count(control.click);

    widget->click();
    EXPECT_EQ(control.value(), 1);
    EXPECT_EQ(*clicks, 1);

    control.set_value(2);
    EXPECT_EQ(widget->checkState(), Qt::PartiallyChecked);
    widget->click();  // the user never makes it greyed
    EXPECT_EQ(control.value(), 1);
}

TEST_F(adapters, choosing_an_option_clears_the_others_of_its_group_first) {
    std::array<option_button, 2> group;
    group[0].set_value(true);
    QRadioButton* const widgets[] = {make<QRadioButton>(), make<QRadioButton>()};
    adapt(group, widgets);
    bool first_cleared_at_click = false;
    group[1].click.connect([&] { first_cleared_at_click = !group[0].value(); });

    widgets[1]->click();
    EXPECT_TRUE(first_cleared_at_click);
    EXPECT_FALSE(widgets[0]->isChecked());
    EXPECT_TRUE(widgets[1]->isChecked());

    widgets[1]->click();  // a chosen option stays chosen
    EXPECT_TRUE(widgets[1]->isChecked());
}

TEST_F(adapters, a_list_box_shows_items_and_selection_and_a_pick_sets_the_index) {
    list_box control;
    auto* widget = make<QListWidget>();
    adapt(control, widget);
    const auto clicks = count(control.click);

    for (const char* line : {"one", "two", "three"}) control.add_item(line);
    control.set_list_index(2);
    ASSERT_EQ(widget->count(), 3);
    EXPECT_EQ(widget->item(2)->text(), "three");
    EXPECT_EQ(widget->currentRow(), 2);
    EXPECT_EQ(*clicks, 1);

    widget->setCurrentRow(0);
    EXPECT_EQ(control.list_index(), 0);
    EXPECT_EQ(*clicks, 2);

    control.remove_item(0);
    EXPECT_EQ(widget->count(), 2);
    EXPECT_EQ(widget->item(0)->text(), "two");
    EXPECT_EQ(widget->currentRow(), -1);
    control.clear();
    EXPECT_EQ(widget->count(), 0);
}

TEST_F(adapters, a_combo_box_pick_fires_click_and_typing_into_an_editable_one_does_not) {
    combo_box picked;
    auto* list = make<QComboBox>();
    adapt(picked, list);
    picked.add_item("Office");
    picked.add_item("Home");
    const auto clicks = count(picked.click);
    press_key(list, Qt::Key_Down);
    EXPECT_EQ(picked.list_index(), 0);
    EXPECT_EQ(picked.text(), "Office");
    EXPECT_EQ(*clicks, 1);

    combo_box typed(true);
    auto* box = make<QComboBox>();
    adapt(typed, box);
    typed.add_item("00:10");
    typed.set_list_index(0);
    const auto typed_clicks = count(typed.click);
    box->lineEdit()->clear();
    type(box->lineEdit(), "07:45");
    EXPECT_EQ(typed.text(), "07:45");
    EXPECT_EQ(*typed_clicks, 0);
    EXPECT_EQ(box->count(), 1);

    typed.set_text("09:00");
    EXPECT_EQ(box->currentText(), "09:00");
}

TEST_F(adapters, a_scroll_bar_arrow_sets_the_value_within_the_range) {
    scroll_bar control;
    control.set_max(3);
    auto* widget = make<QScrollBar>();
    adapt(control, widget);
    const auto changes = count(control.change);

    widget->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(control.value(), 1);
    EXPECT_EQ(*changes, 1);

    control.set_value(3);
    EXPECT_EQ(widget->value(), 3);
}

TEST_F(adapters, a_tab_switch_sets_the_tab_once_and_the_program_can_switch_back) {
    tab_control control({"First", "Second"});
    auto* widget = make<QTabWidget>();
    widget->addTab(new QWidget, QString());
    widget->addTab(new QWidget, QString());
    adapt(control, widget);
    const auto clicks = count(control.click);
    EXPECT_EQ(widget->tabText(1), "Second");

    widget->setCurrentIndex(1);
    EXPECT_EQ(control.tab(), 1);
    control.set_tab(0);
    EXPECT_EQ(widget->currentIndex(), 0);
    EXPECT_EQ(*clicks, 2);
}

TEST_F(adapters, a_menu_item_triggers_click_with_its_index_and_a_dash_is_a_separator) {
    menu_item exit{99, "Exit"};
    menu_item line{15, "-"};
    auto* exit_action = new QAction(parent);
    auto* line_action = new QAction(parent);
    adapt(exit, exit_action);
    adapt(line, line_action);
    int clicked = 0;
    exit.click.connect([&](int index) { clicked = index; });

    exit_action->trigger();
    EXPECT_EQ(clicked, 99);
    EXPECT_TRUE(line_action->isSeparator());
    exit.set_visible(false);
    EXPECT_FALSE(exit_action->isVisible());
}

TEST_F(adapters, a_control_outliving_its_widget_changes_harmlessly) {
    button control;
    auto* widget = make<QPushButton>();
    adapt(control, widget);
    delete widget;
    control.set_caption("after");
    SUCCEED();
}

}  // namespace
}  // namespace tw
