#include "qt/event_hook.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace tw {
namespace {

// Someone typing counts as much as someone clicking; a window merely shown does not.
TEST(event_hook, a_key_or_a_mouse_button_pressed_is_user_input) {
    QWidget window;
    int inputs = 0;
    on_user_input(&window, [&] { ++inputs; });
    QEvent shown(QEvent::Show);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QKeyEvent released(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier);
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    for (QEvent* event : std::initializer_list<QEvent*>{&shown, &key, &released, &click})
        QApplication::sendEvent(&window, event);
    EXPECT_EQ(inputs, 2);
}

}  // namespace
}  // namespace tw
