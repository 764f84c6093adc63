#include "qt/adapters.hpp"

#include <gtest/gtest.h>

#include <QtWidgets>
#include <memory>

#include "qt/item_list_adapter.hpp"

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
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, ch);
        QApplication::sendEvent(widget, &press);
    }
}

class adapters : public testing::Test {
protected:
    // A widget on the parent, tied to `control`.
    template <class Widget, class Control>
    Widget* tie(Control& control) {
        auto* widget = new Widget(parent.get());
        adapt(control, widget);
        return widget;
    }
    std::unique_ptr<QWidget> parent = std::make_unique<QWidget>();
};

TEST_F(adapters, typing_in_a_text_box_fires_change_and_the_programs_text_does_not_echo) {
    text_box control;
    auto* widget = tie<QLineEdit>(control);
    const auto changes = count(control.change);
    type(widget, "45");
    EXPECT_EQ(control.text(), "45");
    control.set_text("60");
    EXPECT_EQ(widget->text(), "60");
    EXPECT_EQ(*changes, 3) << "one a key and one for the program's text";
}

TEST_F(adapters, a_check_box_is_greyed_only_by_the_program_and_a_chosen_option_clears_the_others) {
    check_box box;
    auto* check = tie<QCheckBox>(box);
    const auto clicks = count(box.click);
    check->click();
    EXPECT_EQ(box.value(), 1);
    box.set_value(2);
    EXPECT_EQ(check->checkState(), Qt::PartiallyChecked);
    check->click();
    EXPECT_EQ(box.value(), 1);
    EXPECT_EQ(*clicks, 3);

    std::array<option_button, 2> group;
    group[0].set_value(true);
    QRadioButton* const options[] = {new QRadioButton(parent.get()),
                                     new QRadioButton(parent.get())};
    adapt(group, options);
    bool first_cleared_at_click = false;
    group[1].click.connect([&] { first_cleared_at_click = !group[0].value(); });
    options[1]->click();
    options[1]->click();  // a chosen option stays chosen
    EXPECT_TRUE(first_cleared_at_click);
    EXPECT_FALSE(options[0]->isChecked());
    EXPECT_TRUE(options[1]->isChecked());
}

TEST_F(adapters, lists_show_the_items_and_only_the_users_pick_is_a_click) {
    list_box control;
    auto* list = tie<QListWidget>(control);
    const auto clicks = count(control.click);
    for (const char* line : {"one", "two", "three"}) control.add_item(line);
    control.set_list_index(2);
    EXPECT_EQ(list->currentRow(), 2);
    list->setCurrentRow(0);
    EXPECT_EQ(control.list_index(), 0);
    control.remove_item(0);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), "three");
    EXPECT_EQ(list->currentRow(), -1);
    control.set_item(0, "two, moved");
    EXPECT_EQ(list->item(0)->text(), "two, moved");
    EXPECT_EQ(control.list_index(), -1);
    EXPECT_EQ(*clicks, 2);
    control.clear();
    EXPECT_EQ(list->count(), 0);

    combo_box picked, typed(true);
    auto* picked_box = tie<QComboBox>(picked);
    auto* typed_box = tie<QComboBox>(typed);
    picked.add_item("Office");
    typed.add_item("00:10");
    typed.set_list_index(0);
    const auto picks = count(picked.click), typed_clicks = count(typed.click);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(picked_box, &down);
    EXPECT_EQ(picked.text(), "Office");
    EXPECT_EQ(*picks, 1);
    typed_box->lineEdit()->clear();
    type(typed_box->lineEdit(), "07:45");
    EXPECT_EQ(typed.text(), "07:45");
    EXPECT_EQ(*typed_clicks, 0);
    EXPECT_EQ(typed_box->count(), 1) << "typing adds no item";
    typed.set_text("09:00");
    EXPECT_EQ(typed_box->currentText(), "09:00");
}

TEST_F(adapters, a_scroll_bar_and_tabs_keep_what_the_user_chose_and_the_program_sets) {
    scroll_bar bar;
    bar.set_max(3);
    auto* slider = tie<QScrollBar>(bar);
    slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(bar.value(), 1);
    bar.set_value(3);
    EXPECT_EQ(slider->value(), 3);

    tab_control tabs({"First", "Second"});
    auto* pages = new QTabWidget(parent.get());
    pages->addTab(new QWidget, QString());
    pages->addTab(new QWidget, QString());
    adapt(tabs, pages);
    const auto clicks = count(tabs.click);
    EXPECT_EQ(pages->tabText(1), "Second");
    pages->setCurrentIndex(1);
    EXPECT_EQ(tabs.tab(), 1);
    tabs.set_tab(0);
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(*clicks, 2) << "no echo of the program's switch";
}

// The keyboard as on Windows: Enter presses the button that has the focus,
// as Space does; Tab into a list where the program selected nothing selects
// nothing, and the first arrow key takes the first row.
TEST_F(adapters, enter_presses_a_button_and_tab_into_a_list_selects_no_row) {
    button control;
    auto* widget = tie<QPushButton>(control);
    const auto clicks = count(control.click);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
    EXPECT_EQ(*clicks, 3);

    list_box tasks;
    for (const char* line : {"one", "two"}) tasks.add_item(line);
    auto* list = tie<QListWidget>(tasks);
    const auto picks = count(tasks.click);
    QFocusEvent tab_in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(list, &tab_in);
    EXPECT_EQ(*picks, 0);
    EXPECT_EQ(tasks.list_index(), -1);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(list, &down);
    EXPECT_EQ(tasks.list_index(), 0);
}

// The dead widget's adapter is skipped; the live one still follows the control.
TEST_F(adapters, a_control_outliving_one_of_its_widgets_still_shows_in_the_other) {
    button control;
    auto* kept = tie<QPushButton>(control);
    delete tie<QPushButton>(control);
    control.set_caption("after");
    EXPECT_EQ(kept->text(), "after");
}

}  // namespace
}  // namespace tw
