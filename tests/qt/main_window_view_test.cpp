#include "qt/main_window_view.hpp"

#include <gtest/gtest.h>

#include <QtWidgets>

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

    // The entries of a top-level menu, "|" for separator lines (which some
    // styles draw with their text, so they must have none); hidden ones left out.
    QStringList menu(int index) {
        QStringList entries;
        for (QAction* action : view.menuBar()->actions()[index]->menu()->actions())
            if (action->isVisible())
                entries << (action->isSeparator() && action->text().isEmpty() ? "|"
                                                                              : action->text());
        return entries;
    }
};

TEST_F(main_window_view_test, the_widgets_are_tied_to_the_controls_both_ways) {
    bool connect_clicked = false, unloaded = false;
    int menu_index = 0;
    form.b_connect.click.connect([&] { connect_clicked = true; });
    form.menuHelpItem_about.click.connect([&](int index) { menu_index = index; });
    form.form.unload.connect([&] { unloaded = true; });

    form.b_connect.set_enabled(true);
    form.o_statusbar.set_text("Dialing MyISP");
    form.menuAppsItem_postwright.set_visible(true);
    form.SSTab1.set_tab(2);
    form.l_disconnect1.set_visible(true);
    EXPECT_EQ(find<QLabel>("o_statusbar")->text(), "Dialing MyISP");
    EXPECT_FALSE(find<QLabel>("l_disconnect1")->isHidden());
    EXPECT_EQ(menu(1), (QStringList{"Browser", "Postwright"}));
    EXPECT_EQ(menu(2).count("|"), 2) << "separator lines without text";
    EXPECT_EQ(find<QTabWidget>("SSTab1")->currentIndex(), 2);

    find<QPushButton>("b_connect")->click();
    find<QAction>("menuHelpItem_about")->trigger();
    EXPECT_TRUE(connect_clicked);
    EXPECT_EQ(menu_index, 99);

    view.show();
    view.setWindowState(Qt::WindowMinimized);
    EXPECT_EQ(form.form.state(), window_state::minimized);
    view.close();
    EXPECT_TRUE(unloaded);
}

// The window manager takes the icon in the size it draws, unscaled.
TEST_F(main_window_view_test, the_window_has_the_programs_icon_in_each_size) {
    const QList<QSize> sizes = view.windowIcon().availableSizes();
    for (const int side : {16, 32, 48, 256}) EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
}

}  // namespace
}  // namespace tw
