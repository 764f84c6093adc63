#include "gui/main_window_view.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <initializer_list>

#include "gui/adapters.hpp"
#include "gui/bound_widget.hpp"
#include "gui/item_list_adapter.hpp"
#include "gui/window_adapter.hpp"

namespace tw {

namespace {

QHBoxLayout* row(std::initializer_list<QWidget*> widgets) {
    auto* layout = new QHBoxLayout;
    for (QWidget* widget : widgets) layout->addWidget(widget);
    layout->addStretch();
    return layout;
}

QVBoxLayout* column(QWidget* owner) {
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    return layout;
}

// A text box as wide as a few characters, for counts and times.
QLineEdit* narrow(QLineEdit* box) {
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00:000")) + 12);
    return box;
}

QWidget* phone_book_page(frm_main& f) {
    auto* page = new QWidget;
    auto* layout = column(page);

    auto* entries = bound<QGroupBox>(f.f_phonebook_entries, "f_phonebook_entries", page);
    auto* entries_layout = column(entries);
    auto* entry_list = bound<QComboBox>(f.o_phonebook_list, "o_phonebook_list", entries);
    // The layout gives the list its width; measuring every entry's name for
    // it instead would take seconds with a phone book of 100,000 entries.
    // Entries have no icons; without room for one the list keeps its height.
    entry_list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    entry_list->setIconSize(QSize(0, 0));
    entries_layout->addWidget(entry_list);
    entries_layout->addLayout(row({bound<QPushButton>(f.b_connect, "b_connect", entries),
                                   bound<QPushButton>(f.b_disconnect, "b_disconnect", entries),
                                   bound<QPushButton>(f.b_cancel, "b_cancel", entries)}));
    layout->addWidget(entries);

    auto* default_isp = bound<QGroupBox>(f.f_default_isp, "f_default_isp", page);
    auto* name = bound<QLabel>(f.l_default_isp, "l_default_isp", default_isp);
    name->setFrameShape(QFrame::StyledPanel);
    name->setMinimumWidth(150);
    column(default_isp)
        ->addLayout(
            row({bound<QLabel>(f.Label2, "Label2", default_isp), name,
                 bound<QPushButton>(f.b_set_default_IPS, "b_set_default_IPS", default_isp)}));
    layout->addWidget(default_isp);

    layout->addLayout(row({bound<QPushButton>(f.b_update_phonebook, "b_update_phonebook", page)}));
    layout->addStretch();
    return page;
}

QWidget* dial_options(frm_main& f, QWidget* page) {
    auto* options = new QWidget(page);
    auto* layout = column(options);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* grid = new QGridLayout;
    grid->addWidget(bound<QLabel>(f.l_timeout, "l_timeout", options), 0, 0);
    grid->addWidget(narrow(bound<QLineEdit>(f.o_timeout, "o_timeout", options)), 0, 1);
    grid->addWidget(bound<QLabel>(f.l_retry_count, "l_retry_count", options), 1, 0);
    grid->addWidget(narrow(bound<QLineEdit>(f.o_retry_count, "o_retry_count", options)), 1, 1);
    grid->addWidget(bound<QLabel>(f.l_disconnect1, "l_disconnect1", options), 2, 0);
    grid->addWidget(
        narrow(bound<QLineEdit>(f.o_disconnect_in_minutes, "o_disconnect_in_minutes", options)), 2,
        1);
    grid->addWidget(bound<QLabel>(f.l_disconnect2, "l_disconnect2", options), 2, 2);
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);
    layout->addWidget(
        bound<QCheckBox>(f.o_disconnect_after_last_task, "o_disconnect_after_last_task", options));
    layout->addWidget(
        bound<QCheckBox>(f.o_run_tasks_at_connect, "o_run_tasks_at_connect", options));
    layout->addWidget(
        bound<QCheckBox>(f.o_start_scheduler_at_connect, "o_start_scheduler_at_connect", options));
    layout->addWidget(bound<QCheckBox>(f.o_line_drop, "o_line_drop", options));
    layout->addWidget(
        bound<QCheckBox>(f.o_simulated_connection, "o_simulated_connection", options));
    layout->addStretch();
    return options;
}

QWidget* specific_time(frm_main& f, QWidget* page) {
    auto* group = bound<QGroupBox>(f.f_specific_time, "f_specific_time", page);
    auto* layout = column(group);
    layout->addWidget(bound<QCheckBox>(f.o_user_specific_time, "o_user_specific_time", group));
    auto* grid = new QGridLayout;
    grid->addWidget(bound<QLabel>(f.l_specific_connect, "l_specific_connect", group), 0, 0);
    grid->addWidget(narrow(bound<QLineEdit>(f.o_specific_connect, "o_specific_connect", group)), 0,
                    1);
    grid->addWidget(bound<QLabel>(f.l_specific_connect_format, "l_specific_connect_format", group),
                    0, 2);
    grid->addWidget(bound<QLabel>(f.l_specific_disconnect, "l_specific_disconnect", group), 1, 0);
    grid->addWidget(
        narrow(bound<QLineEdit>(f.o_specific_disconnect, "o_specific_disconnect", group)), 1, 1);
    grid->addWidget(
        bound<QLabel>(f.l_specific_disconnect_format, "l_specific_disconnect_format", group), 1, 2);
    layout->addLayout(grid);
    return group;
}

QWidget* options_page(frm_main& f) {
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(dial_options(f, page));

    auto* right = new QVBoxLayout;
    auto* scheduler = bound<QGroupBox>(f.f_scheduler, "f_scheduler", page);
    column(scheduler)->addWidget(bound<QPushButton>(f.b_run_schedule, "b_run_schedule", scheduler));
    right->addWidget(scheduler);

    auto* type = bound<QGroupBox>(f.f_connection_type, "f_connection_type", page);
    auto* direct = new QRadioButton(type);
    auto* modem = new QRadioButton(type);
    direct->setObjectName("o_connection_type_0");
    modem->setObjectName("o_connection_type_1");
    QRadioButton* const choices[] = {direct, modem};
    adapt(f.o_connection_type, choices);
    column(type)->addLayout(row({direct, modem}));
    right->addWidget(type);

    right->addWidget(specific_time(f, page));
    right->addStretch();
    layout->addLayout(right);
    return page;
}

QWidget* status_log_page(frm_main& f) {
    auto* page = new QWidget;
    auto* layout = column(page);
    layout->addLayout(row({bound<QLabel>(f.l_connect_time, "l_connect_time", page),
                           bound<QLabel>(f.l_connection_time, "l_connection_time", page)}));
    auto* content = bound<QGroupBox>(f.f_log_content, "f_log_content", page);
    column(content)->addWidget(bound<QListWidget>(f.o_log, "o_log", content));
    layout->addWidget(content, 1);
    layout->addLayout(row({bound<QPushButton>(f.b_clear_log, "b_clear_log", page),
                           bound<QPushButton>(f.b_save_log, "b_save_log", page),
                           bound<QCheckBox>(f.o_save_logs, "o_save_logs", page)}));
    return page;
}

QLabel* next_runs_line(frm_main& f, QWidget* group) {
    auto* line = bound<QLabel>(f.o_next_runs, "o_next_runs", group);
    line->setWordWrap(true);
    return line;
}

// The shown task below the list: its path, its parameters, then the times
// two to a row, as the window is wider than high.
QGridLayout* task_fields(frm_main& f, QWidget* group) {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(3);
    const auto add = [grid, group](label& caption, const char* name, QWidget* field, int row,
                                   int column, int span = 1) {
        grid->addWidget(bound<QLabel>(caption, name, group), row, column);
        grid->addWidget(field, row, column + 1, 1, span);
    };
    auto* application = bound<QLabel>(f.o_application, "o_application", group);
    application->setTextInteractionFlags(Qt::TextSelectableByMouse);
    add(f.l_application, "l_application", application, 0, 0, 3);
    add(f.l_parameters, "l_parameters", bound<QLineEdit>(f.o_parameters, "o_parameters", group), 1,
        0, 3);
    add(f.l_task_start_time, "l_task_start_time",
        bound<QComboBox>(f.o_task_start_time, "o_task_start_time", group), 2, 0);
    add(f.l_task_stop_time, "l_task_stop_time",
        bound<QComboBox>(f.o_task_stop_time, "o_task_stop_time", group), 2, 2);
    add(f.l_task_interval, "l_task_interval",
        bound<QComboBox>(f.o_task_interval, "o_task_interval", group), 3, 0);
    grid->addWidget(bound<QCheckBox>(f.o_task_enabled, "o_task_enabled", group), 3, 2, 1, 2);
    grid->addWidget(next_runs_line(f, group), 4, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return grid;
}

QWidget* task_list_page(frm_main& f) {
    auto* page = new QWidget;
    auto* group = bound<QGroupBox>(f.Frame3, "Frame3", page);
    column(page)->addWidget(group);
    auto* layout = column(group);

    auto* order = new QVBoxLayout;
    order->addWidget(bound<QLabel>(f.Label1, "Label1", group));
    order->addWidget(bound<QScrollBar>(f.FlatScrollBar1, "FlatScrollBar1", group), 1);
    auto* top = new QHBoxLayout;
    top->addWidget(bound<QListWidget>(f.o_task_list, "o_task_list", group), 1);
    top->addLayout(order);
    layout->addLayout(top, 1);
    layout->addLayout(task_fields(f, group));
    layout->addLayout(row({bound<QPushButton>(f.b_add_task, "b_add_task", group),
                           bound<QPushButton>(f.b_delete_task, "b_delete_task", group),
                           bound<QPushButton>(f.b_reload_task, "b_reload_task", group),
                           bound<QPushButton>(f.b_save_task, "b_save_task", group),
                           bound<QPushButton>(f.b_run_task_now, "b_run_task_now", group)}));
    return page;
}

struct named_item {
    menu_item& item;
    const char* name;
};

void add_item(QMenu* menu, menu_item& item, const QString& name) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(name);
    adapt(item, action);
}

void add_menu(QMenuBar* bar, const QString& title, std::initializer_list<named_item> items) {
    QMenu* menu = bar->addMenu(title);
    for (const named_item& entry : items) add_item(menu, entry.item, entry.name);
}

// "&On-Line Web Pages" opens a submenu of the maker's pages, named by index.
void add_web_pages(frm_main& f, QMenuBar* bar) {
    auto* pages = new QMenu(bar);
    for (menu_item& item : f.menuOnlineItem)
        add_item(pages, item, QStringLiteral("menuOnlineItem_%1").arg(item.index()));
    bar->findChild<QAction*>("menuHelpItem_online")->setMenu(pages);
}

void add_menus(frm_main& f, QMenuBar* bar) {
    add_menu(bar, QStringLiteral("&File"), {{f.menuFileItem_exit, "menuFileItem_exit"}});
    add_menu(bar, QStringLiteral("&Applications"),
             {{f.menuAppsItem_browser, "menuAppsItem_browser"},
              {f.menuAppsItem_postwright, "menuAppsItem_postwright"},
              {f.menuAppsItem_stock, "menuAppsItem_stock"},
              {f.menuAppsItem_web_monitor, "menuAppsItem_web_monitor"}});
    add_menu(bar, QStringLiteral("&Help"),
             {{f.menuHelpItem_help, "menuHelpItem_help"},
              {f.menuHelpItem_separator1, "menuHelpItem_separator1"},
              {f.menuHelpItem_online, "menuHelpItem_online"},
              {f.menuHelpItem_separator2, "menuHelpItem_separator2"},
              {f.menuHelpItem_about, "menuHelpItem_about"}});
    add_web_pages(f, bar);
}

QTabWidget* tabs(frm_main& f, QWidget* parent) {
    auto* tabs = new QTabWidget(parent);
    tabs->setObjectName("SSTab1");
    tabs->addTab(phone_book_page(f), QString());
    tabs->addTab(options_page(f), QString());
    tabs->addTab(status_log_page(f), QString());
    tabs->addTab(task_list_page(f), QString());
    adapt(f.SSTab1, tabs);
    return tabs;
}

}  // namespace

main_window_view::main_window_view(frm_main& form)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint) {
    setObjectName("frm_main");
    // The fixed size holds every caption in the platform's default font family
    // at 8 points, the size the form was laid out for; the default 9 or 10
    // points would cut the Options tab's captions.
    QFont design_font = font();
    design_font.setPointSize(8);
    setFont(design_font);
    add_menus(form, menuBar());
    setCentralWidget(tabs(form, this));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(bound<QLabel>(form.o_statusbar, "o_statusbar", statusBar()), 1);
    adapt(form.form, this, window_sizing::fixed);
}

}  // namespace tw
