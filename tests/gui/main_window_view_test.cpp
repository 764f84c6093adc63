#include "gui/main_window_view.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>

#include "gui/twips.hpp"

namespace tw {
namespace {

class main_window_view_test : public testing::Test {
protected:
    frm_main form;
    main_window_view view{form};

    template <class Widget>
    Widget* find(const char* name) {
        auto* widget = view.findChild<Widget*>(name);
        if (!widget) ADD_FAILURE() << "no widget " << name;
        return widget;
    }

    // The entries of a top-level menu, "-" for separators; hidden ones left out.
    QStringList menu(int index) {
        QStringList entries;
        for (QAction* action : view.menuBar()->actions()[index]->menu()->actions())
            if (action->isVisible()) entries << (action->isSeparator() ? "-" : action->text());
        return entries;
    }
};

TEST_F(main_window_view_test, shows_the_form_design_with_its_menus_tabs_and_caption) {
    EXPECT_EQ(view.windowTitle(), "Tarnwick v1.20");
    EXPECT_EQ(menu(0), QStringList{"Exit"});
    EXPECT_EQ(menu(1), QStringList{"Browser"});
    EXPECT_EQ(menu(2),
              (QStringList{"Help File (HTML format)", "-", "&On-Line Web Pages", "-", "About"}));

    auto* tabs = find<QTabWidget>("SSTab1");
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(3), "Task List");
    EXPECT_FALSE(find<QPushButton>("b_connect")->isEnabled());
    EXPECT_TRUE(find<QLabel>("l_disconnect1")->isHidden());
    EXPECT_TRUE(find<QComboBox>("o_task_interval")->isEditable());
    EXPECT_FALSE(find<QComboBox>("o_phonebook_list")->isEditable());
}

TEST_F(main_window_view_test, has_the_form_size_in_pixels_and_cannot_be_resized_or_maximized) {
    const QSize size(twips_to_pixels(6135, view.logicalDpiX()),
                     twips_to_pixels(4755, view.logicalDpiY()));
    EXPECT_EQ(view.minimumSize(), size);
    EXPECT_EQ(view.maximumSize(), size);
    EXPECT_FALSE(view.windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(main_window_view_test, user_input_reaches_the_controls) {
    bool connect_clicked = false;
    form.b_connect.click.connect([&] { connect_clicked = true; });
    form.b_connect.set_enabled(true);
    find<QPushButton>("b_connect")->click();
    EXPECT_TRUE(connect_clicked);

    int menu_index = 0;
    form.menuHelpItem_about.click.connect([&](int index) { menu_index = index; });
    find<QAction>("menuHelpItem_about")->trigger();
    EXPECT_EQ(menu_index, 99);
}

TEST_F(main_window_view_test, program_changes_show_in_the_widgets) {
    form.o_statusbar.set_text("Dialing MyISP");
    form.menuAppsItem_postwright.set_visible(true);
    form.o_log.add_item("12-06-2026 - 07:29:50 Connected");
    form.SSTab1.set_tab(2);

    EXPECT_EQ(find<QLabel>("o_statusbar")->text(), "Dialing MyISP");
    EXPECT_EQ(menu(1), (QStringList{"Browser", "Postwright"}));
    EXPECT_EQ(find<QTabWidget>("SSTab1")->currentIndex(), 2);
}

TEST_F(main_window_view_test, minimizing_follows_the_form_both_ways_with_the_caption) {
    view.show();
    form.form.set_state(window_state::minimized);
    form.form.set_caption("00:05:12");
    EXPECT_TRUE(view.isMinimized());
    EXPECT_EQ(view.windowTitle(), "00:05:12");

    view.setWindowState(Qt::WindowNoState);
    EXPECT_EQ(form.form.state(), window_state::normal);
}

TEST_F(main_window_view_test, closing_the_window_fires_unload) {
    bool unloaded = false;
    form.form.unload.connect([&] { unloaded = true; });
    view.show();
    view.close();
    EXPECT_TRUE(unloaded);
}

}  // namespace
}  // namespace tw
