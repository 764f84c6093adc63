// The Qt view as a keyboard user meets it; the Win32 view's keyboard test
// holds it to the same rules.
#include <gtest/gtest.h>

#include <QtWidgets>

#include "qt/main_window_view.hpp"

namespace tw {
namespace {

void press(QWidget* widget, Qt::Key key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &down);
}

// Once the handler that disabled the focused button has run, the focus goes
// on to the next control that can take it: Connect gives way to Cancel.
TEST(qt_keyboard, the_focus_moves_on_when_its_control_can_no_longer_take_it) {
    frm_main form;
    form.b_connect.set_enabled(true);
    main_window_view view(form);
    view.show();
    auto* connect = view.findChild<QPushButton*>("b_connect");
    connect->setFocus();
    ASSERT_EQ(view.focusWidget(), connect);
    form.b_connect.set_enabled(false);
    form.b_cancel.set_enabled(true);
    QApplication::processEvents();
    EXPECT_EQ(view.focusWidget(), view.findChild<QPushButton*>("b_cancel"));
}

// The ORDER bar is a Tab stop: Up moves the task towards the top, Down away.
TEST(qt_keyboard, the_order_bar_takes_the_focus_and_the_arrow_keys) {
    frm_main form;
    form.FlatScrollBar1.set_max(3);
    form.FlatScrollBar1.set_value(2);
    main_window_view view(form);
    auto* order = view.findChild<QScrollBar*>("FlatScrollBar1");
    EXPECT_TRUE(order->focusPolicy() & Qt::TabFocus);
    press(order, Qt::Key_Up);
    EXPECT_EQ(form.FlatScrollBar1.value(), 1);
    press(order, Qt::Key_Down);
    press(order, Qt::Key_Down);
    EXPECT_EQ(form.FlatScrollBar1.value(), 3);
}

}  // namespace
}  // namespace tw
