#pragma once

#include <array>

#include "toolkit/button.hpp"
#include "toolkit/check_box.hpp"
#include "toolkit/combo_box.hpp"
#include "toolkit/frame.hpp"
#include "toolkit/label.hpp"
#include "toolkit/list_box.hpp"
#include "toolkit/menu_item.hpp"
#include "toolkit/option_button.hpp"
#include "toolkit/scroll_bar.hpp"
#include "toolkit/status_bar.hpp"
#include "toolkit/tab_control.hpp"
#include "toolkit/text_box.hpp"
#include "toolkit/window.hpp"

namespace tw {

// The caption of b_run_schedule while the interval schedule is off.
inline constexpr const char* schedule_off_caption = "Run Tasks As Scheduled";

// The main window: every control the user sees, with its design-time state.
struct frm_main {
    frm_main();

    window form;
    tab_control SSTab1{{"Phone Book", "Options", "Status/Log", "Task List"}};
    status_bar o_statusbar;

    // Tab "Phone Book"
    button b_connect;
    button b_disconnect;
    button b_update_phonebook;
    button b_cancel;
    frame f_default_isp;
    button b_set_default_IPS;
    label Label2;
    label l_default_isp;
    frame f_phonebook_entries;
    combo_box o_phonebook_list;

    // Tab "Options"
    label l_timeout;
    text_box o_timeout;
    label l_retry_count;
    text_box o_retry_count;
    label l_disconnect1;
    text_box o_disconnect_in_minutes;
    label l_disconnect2;
    check_box o_disconnect_after_last_task;
    check_box o_run_tasks_at_connect;
    check_box o_start_scheduler_at_connect;
    check_box o_line_drop;
    check_box o_simulated_connection;
    frame f_scheduler;
    button b_run_schedule;
    frame f_connection_type;
    std::array<option_button, 2> o_connection_type;
    frame f_specific_time;
    check_box o_user_specific_time;
    label l_specific_connect;
    text_box o_specific_connect;
    label l_specific_disconnect;
    text_box o_specific_disconnect;
    label l_specific_connect_format;
    label l_specific_disconnect_format;

    // Tab "Status/Log"
    label l_connect_time;
    label l_connection_time;
    frame f_log_content;
    list_box o_log;
    button b_clear_log;
    button b_save_log;
    check_box o_save_logs;

    // Tab "Task List"
    frame Frame3;
    list_box o_task_list;
    label Label1;
    scroll_bar FlatScrollBar1;
    label l_application;
    label o_application;
    label l_parameters;
    text_box o_parameters;
    label l_task_start_time;
    combo_box o_task_start_time{true};
    label l_task_stop_time;
    combo_box o_task_stop_time{true};
    label l_task_interval;
    combo_box o_task_interval{true};
    check_box o_task_enabled;
    label o_next_runs;  // the shown task's next run times, or why it never runs
    button b_add_task;
    button b_delete_task;
    button b_reload_task;
    button b_save_task;
    button b_run_task_now;

    // Menus
    menu_item menuFileItem_exit{99, "Exit"};
    menu_item menuAppsItem_browser{5, "Browser"};
    menu_item menuAppsItem_postwright{10, "Postwright", false};
    menu_item menuAppsItem_stock{20, "Ferrocast - Stock Quote Module", false};
    menu_item menuAppsItem_web_monitor{80, "Ferrocast - Web Page Monitor  Module", false};
    menu_item menuHelpItem_help{10, "Help File (HTML format)"};
    menu_item menuHelpItem_separator1{15, "-"};
    menu_item menuHelpItem_online{40, "&On-Line Web Pages"};
    menu_item menuHelpItem_separator2{98, "-"};
    menu_item menuHelpItem_about{99, "About"};
    // The submenu "&On-Line Web Pages": one page of the maker's web site each.
    std::array<menu_item, 7> menuOnlineItem{{{3, "Customer Profile"},
                                             {10, "Notify Me of Updates"},
                                             {15, "Tarnwick Home Page"},
                                             {20, "Download Tarnwick"},
                                             {23, "Ferrocast Product Family"},
                                             {25, "Lumarin Home Page"},
                                             {30, "Lumarin Classifieds"}}};

    // The Applications menu entry with `index` (5, 10, 20 or 80).
    menu_item& menuAppsItem(int index);
    // The editor's fields of the shown task, whose enabled state goes with it.
    std::array<control*, 5> task_fields() {
        return {&o_parameters, &o_task_start_time, &o_task_stop_time, &o_task_interval,
                &o_task_enabled};
    }
};

}  // namespace tw
