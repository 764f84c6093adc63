#include <gtest/gtest.h>

#include <QtWidgets>

#include "platform/ini_document.hpp"
#include "qt/main_window_view.hpp"
#include "test_program.hpp"
#include "toolkit/readable_text.hpp"
#include "toolkit/twips.hpp"

namespace tw {
namespace {

// The whole program on the simulated clock behind its real window.
class program_window : public ::testing::Test {
protected:
    program_window() {
        p.write("task.ini", "[Tasks]\r\ntask0=/bin/fetch\r\n[Enabled]\r\n/bin/fetch=Yes\r\n");
        p.start_up();
        view.show();
    }

    template <class Widget>
    Widget* find(const char* name) {
        auto* widget = view.findChild<Widget*>(name);
        if (!widget) ADD_FAILURE() << "no widget " << name;
        return widget;
    }
    std::string stored(const char* section) const {
        return ini_document(p.file("task.ini")).read(section, "/bin/fetch");
    }

    testing::test_program p;
    main_window_view view{p.main()};
};

TEST_F(program_window, the_users_clicks_typing_and_picks_reach_the_handlers) {
    find<QCheckBox>("o_run_tasks_at_connect")->click();
    EXPECT_TRUE(p.prog.run_tasks_at_connect);

    find<QTabWidget>("SSTab1")->setCurrentIndex(3);
    find<QListWidget>("o_task_list")->setCurrentRow(0);
    auto* parameters = find<QLineEdit>("o_parameters");
    parameters->insert("-q");
    EXPECT_EQ(stored("Parameters"), "-q");
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(find<QComboBox>("o_task_interval"), &down);
    EXPECT_EQ(stored("Interval"), "10 minutes");
    EXPECT_EQ(find<QLabel>("o_next_runs")->text(), "Never runs: it has no start time");
}

// Typing is no pick: Enter or leaving the box stores nothing and puts the
// stored time back, also for a time the list holds.
TEST_F(program_window, a_typed_time_is_put_back_and_only_a_pick_from_the_list_stores) {
    find<QTabWidget>("SSTab1")->setCurrentIndex(3);
    find<QListWidget>("o_task_list")->setCurrentRow(0);
    auto* start = find<QComboBox>("o_task_start_time");
    QLineEdit* typed = start->lineEdit();
    const auto type = [&](const QString& text, QEvent&& ending) {
        typed->selectAll();
        for (const QChar ch : text) {
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, ch);
            QApplication::sendEvent(typed, &key);
        }
        QApplication::sendEvent(typed, &ending);
    };
    type("07:10", QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
    EXPECT_EQ(stored("Start Time"), "");
    EXPECT_EQ(start->currentText(), "");
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(start, &down);
    EXPECT_EQ(stored("Start Time"), "00:00");
    type("07:15", QFocusEvent(QEvent::FocusOut, Qt::TabFocusReason));
    EXPECT_EQ(start->currentText(), "00:00");
    type("07:10", QFocusEvent(QEvent::FocusOut, Qt::TabFocusReason));
    EXPECT_EQ(stored("Start Time"), "00:00");
    EXPECT_EQ(start->currentText(), "00:00");
}

// Each list steps on from the value shown for the task shown, not from the
// last pick; a wheel turned over a box without the focus changes nothing.
TEST_F(program_window, the_time_lists_step_from_the_shown_value_and_ignore_a_passing_wheel) {
    p.write("task.ini",
            "[Tasks]\r\ntask0=/bin/fetch\r\ntask1=/bin/mail\r\n[Start Time]\r\n/bin/fetch=08:00\r\n"
            "[Stop Time]\r\n/bin/fetch=17:00\r\n[Interval]\r\n/bin/fetch=2 hours\r\n"
            "/bin/mail=1 hour\r\n");
    find<QTabWidget>("SSTab1")->setCurrentIndex(3);
    auto* tasks = find<QListWidget>("o_task_list");
    const auto key = [](QWidget* box, Qt::Key which) {
        QKeyEvent press(QEvent::KeyPress, which, Qt::NoModifier);
        QApplication::sendEvent(box, &press);
    };
    tasks->setCurrentRow(0);
    key(find<QComboBox>("o_task_start_time"), Qt::Key_Down);
    key(find<QComboBox>("o_task_interval"), Qt::Key_Down);
    EXPECT_EQ(stored("Start Time"), "08:10");
    EXPECT_EQ(stored("Interval"), "3 hours");
    tasks->setCurrentRow(1);
    key(find<QComboBox>("o_task_interval"), Qt::Key_Up);
    EXPECT_EQ(ini_document(p.file("task.ini")).read("Interval", "/bin/mail"), "50 minutes");

    tasks->setCurrentRow(0);
    auto* stop = find<QComboBox>("o_task_stop_time");
    tasks->setFocus();
    EXPECT_NE(stop->focusPolicy(), Qt::WheelFocus) << "a passing wheel gives it the focus";
    QWheelEvent wheel(QPointF(5, 5), stop->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(stop, &wheel);
    EXPECT_EQ(stop->currentText(), "17:00");
    EXPECT_EQ(stored("Stop Time"), "17:00");
}

// A Qt colour as the program stores one.
colour stored_colour(const QColor& c) {
    return static_cast<colour>(c.red() | c.green() << 8 | c.blue() << 16);
}

// A companion's parameters are shown grey and take no typing, but stay
// readable (4.5:1, as WCAG AA asks of text).
TEST_F(program_window, a_companions_parameters_take_no_typing_and_stay_readable) {
    p.write("task.ini",
            "[Tasks]\r\ntask0=/opt/pw.exe\r\n[Parameters]\r\n/opt/pw.exe=/mode=auto\r\n");
    find<QTabWidget>("SSTab1")->setCurrentIndex(3);
    find<QListWidget>("o_task_list")->setCurrentRow(0);
    auto* parameters = find<QLineEdit>("o_parameters");
    QKeyEvent key(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
    QApplication::sendEvent(parameters, &key);
    EXPECT_EQ(parameters->text(), "/mode=auto");
    const QPalette::ColorGroup shown = !parameters->isEnabled()       ? QPalette::Disabled
                                       : parameters->isActiveWindow() ? QPalette::Active
                                                                      : QPalette::Inactive;
    EXPECT_GE(contrast_ratio(stored_colour(parameters->palette().color(shown, QPalette::Text)),
                             stored_colour(parameters->palette().color(shown, QPalette::Base))),
              4.5);
}

TEST_F(program_window, keeps_its_size_and_shows_the_connect_time_when_minimized) {
    const QSize fixed(twips_to_pixels(6135, view.logicalDpiX()),
                      twips_to_pixels(4755, view.logicalDpiY()));
    view.resize(fixed * 2);
    view.showMaximized();
    EXPECT_EQ(view.frameGeometry().size(), fixed) << "the outer size, frame included";
    EXPECT_FALSE(view.isMaximized());

    p.main().o_phonebook_list.set_list_index(0);
    p.click(p.main().b_connect);
    p.run_for(65.5);  // the line comes up a moment after 3 s
    EXPECT_TRUE(view.isMinimized());
    EXPECT_EQ(view.windowTitle(), "00:01:02");
    view.showNormal();
    EXPECT_EQ(view.windowTitle(), "Tarnwick v1.20");
}

}  // namespace
}  // namespace tw
