#include <gtest/gtest.h>

#include <QtWidgets>

#include "gui/main_window_view.hpp"
#include "gui/twips.hpp"
#include "platform/ini_document.hpp"
#include "test_program.hpp"

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

TEST_F(program_window, has_a_widget_for_every_control_and_menu_entry) {
    const QString names =
        "SSTab1 o_statusbar b_connect b_disconnect b_update_phonebook b_cancel f_default_isp "
        "b_set_default_IPS Label2 l_default_isp o_phonebook_list l_timeout o_timeout l_retry_count "
        "o_retry_count l_disconnect1 o_disconnect_in_minutes l_disconnect2 "
        "o_disconnect_after_last_task o_run_tasks_at_connect o_start_scheduler_at_connect "
        "o_line_drop o_simulated_connection f_scheduler b_run_schedule f_connection_type "
        "o_connection_type_0 o_connection_type_1 f_specific_time o_user_specific_time "
        "l_specific_connect o_specific_connect l_specific_disconnect o_specific_disconnect "
        "l_connect_time l_connection_time f_log_content o_log b_clear_log b_save_log o_save_logs "
        "Frame3 o_task_list Label1 FlatScrollBar1 l_application o_application l_parameters "
        "o_parameters l_task_start_time o_task_start_time l_task_stop_time o_task_stop_time "
        "l_task_interval o_task_interval o_task_enabled o_next_runs b_add_task b_delete_task "
        "b_reload_task b_save_task b_run_task_now menuFileItem_exit menuAppsItem_browser "
        "menuAppsItem_postwright menuAppsItem_stock menuAppsItem_web_monitor menuHelpItem_help "
        "menuHelpItem_online menuHelpItem_about";
    for (const QString& name : names.split(' '))
        EXPECT_NE(view.findChild<QObject*>(name), nullptr) << name.toStdString();
}

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

TEST_F(program_window, keeps_its_size_and_shows_the_connect_time_when_minimized) {
    const QSize fixed(twips_to_pixels(6135, view.logicalDpiX()),
                      twips_to_pixels(4755, view.logicalDpiY()));
    view.resize(fixed * 2);
    view.showMaximized();
    EXPECT_EQ(view.size(), fixed);
    EXPECT_FALSE(view.isMaximized());

    p.main().o_phonebook_list.set_list_index(0);
    p.click(p.main().b_connect);
    p.run_for(65);
    EXPECT_TRUE(view.isMinimized());
    EXPECT_EQ(view.windowTitle(), "00:01:02");
    view.showNormal();
    EXPECT_EQ(view.windowTitle(), "Tarnwick v1.20");
}

}  // namespace
}  // namespace tw
