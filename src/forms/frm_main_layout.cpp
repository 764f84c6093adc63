#include "forms/frm_main_layout.hpp"

namespace tw {

namespace {

std::vector<placement> phone_book_page(frm_main& f) {
    return {
        {&f.f_phonebook_entries, "f_phonebook_entries", {90, 60, 5745, 1140}},
        {&f.o_phonebook_list, "o_phonebook_list", {150, 270, 5445, 315}, &f.f_phonebook_entries},
        {&f.b_connect, "b_connect", {150, 690, 1200, 360}, &f.f_phonebook_entries},
        {&f.b_disconnect, "b_disconnect", {1440, 690, 1200, 360}, &f.f_phonebook_entries},
        {&f.b_cancel, "b_cancel", {2730, 690, 1200, 360}, &f.f_phonebook_entries},
        {&f.f_default_isp, "f_default_isp", {90, 1290, 5745, 780}},
        {&f.Label2, "Label2", {150, 330, 780, 240}, &f.f_default_isp},
        {&f.l_default_isp,
         "l_default_isp",
         {960, 300, 3090, 300},
         &f.f_default_isp,
         label_look::sunken},
        {&f.b_set_default_IPS, "b_set_default_IPS", {4140, 270, 1455, 360}, &f.f_default_isp},
        {&f.b_update_phonebook, "b_update_phonebook", {90, 2220, 3300, 360}},
    };
}

std::vector<placement> options_page(frm_main& f) {
    return {
        {&f.l_timeout, "l_timeout", {90, 120, 1590, 240}},
        {&f.o_timeout, "o_timeout", {1710, 90, 600, 300}},
        {&f.l_retry_count, "l_retry_count", {90, 480, 1590, 240}},
        {&f.o_retry_count, "o_retry_count", {1710, 450, 600, 300}},
        {&f.l_disconnect1, "l_disconnect1", {90, 840, 1590, 240}},
        {&f.o_disconnect_in_minutes, "o_disconnect_in_minutes", {1710, 810, 600, 300}},
        {&f.l_disconnect2, "l_disconnect2", {2355, 840, 720, 240}},
        {&f.o_disconnect_after_last_task, "o_disconnect_after_last_task", {90, 1200, 3015, 270}},
        {&f.o_run_tasks_at_connect, "o_run_tasks_at_connect", {90, 1500, 3015, 270}},
        {&f.o_start_scheduler_at_connect, "o_start_scheduler_at_connect", {90, 1800, 3015, 270}},
        {&f.o_line_drop, "o_line_drop", {90, 2100, 3015, 270}},
        {&f.o_simulated_connection, "o_simulated_connection", {90, 2400, 3015, 270}},
        {&f.f_scheduler, "f_scheduler", {3120, 30, 2715, 750}},
        {&f.b_run_schedule, "b_run_schedule", {120, 270, 2475, 375}, &f.f_scheduler},
        {&f.f_connection_type, "f_connection_type", {3120, 840, 2715, 900}},
        {option_choice{&f.o_connection_type[0], f.o_connection_type},
         "o_connection_type_0",
         {120, 270, 2475, 270},
         &f.f_connection_type},
        {option_choice{&f.o_connection_type[1], f.o_connection_type},
         "o_connection_type_1",
         {120, 570, 2475, 270},
         &f.f_connection_type},
        {&f.f_specific_time, "f_specific_time", {3120, 1800, 2715, 1290}},
        {&f.o_user_specific_time,
         "o_user_specific_time",
         {120, 270, 2535, 270},
         &f.f_specific_time},
        {&f.l_specific_connect, "l_specific_connect", {120, 645, 1020, 240}, &f.f_specific_time},
        {&f.o_specific_connect, "o_specific_connect", {1155, 600, 675, 300}, &f.f_specific_time},
        {&f.l_specific_connect_format,
         "l_specific_connect_format",
         {1890, 645, 765, 240},
         &f.f_specific_time},
        {&f.l_specific_disconnect,
         "l_specific_disconnect",
         {120, 975, 1020, 240},
         &f.f_specific_time},
        {&f.o_specific_disconnect,
         "o_specific_disconnect",
         {1155, 930, 675, 300},
         &f.f_specific_time},
        {&f.l_specific_disconnect_format,
         "l_specific_disconnect_format",
         {1890, 975, 765, 240},
         &f.f_specific_time},
    };
}

std::vector<placement> status_log_page(frm_main& f) {
    return {
        {&f.l_connect_time, "l_connect_time", {90, 90, 2700, 240}},
        {&f.l_connection_time, "l_connection_time", {2820, 90, 1500, 240}},
        {&f.f_log_content, "f_log_content", {90, 360, 5745, 2370}},
        {&f.o_log, "o_log", {120, 240, 5505, 2010}, &f.f_log_content},
        {&f.b_clear_log, "b_clear_log", {90, 2820, 1290, 360}},
        {&f.b_save_log, "b_save_log", {1440, 2820, 1290, 360}},
        {&f.o_save_logs, "o_save_logs", {2820, 2865, 3015, 270}},
    };
}

// The list with its ORDER bar, the shown task's fields two to a row, the
// next runs, then the buttons.
std::vector<placement> task_list_page(frm_main& f) {
    const frame* in = &f.Frame3;
    return {
        {&f.Frame3, "Frame3", {60, 0, 5805, 3180}},
        {&f.o_task_list, "o_task_list", {120, 240, 4860, 780}, in},
        {&f.Label1, "Label1", {5040, 240, 660, 240}, in},
        {&f.FlatScrollBar1, "FlatScrollBar1", {5190, 480, 255, 540}, in},
        {&f.l_application, "l_application", {120, 1095, 1110, 240}, in},
        {&f.o_application, "o_application", {1260, 1095, 4425, 240}, in},
        {&f.l_parameters, "l_parameters", {120, 1395, 1110, 240}, in},
        {&f.o_parameters, "o_parameters", {1260, 1350, 4425, 300}, in},
        {&f.l_task_start_time, "l_task_start_time", {120, 1755, 1110, 240}, in},
        {&f.o_task_start_time, "o_task_start_time", {1260, 1710, 1470, 315}, in},
        {&f.l_task_stop_time, "l_task_stop_time", {2850, 1755, 1020, 240}, in},
        {&f.o_task_stop_time, "o_task_stop_time", {3900, 1710, 1785, 315}, in},
        {&f.l_task_interval, "l_task_interval", {120, 2115, 1110, 240}, in},
        {&f.o_task_interval, "o_task_interval", {1260, 2070, 1470, 315}, in},
        {&f.o_task_enabled, "o_task_enabled", {2850, 2100, 2835, 270}, in},
        {&f.o_next_runs, "o_next_runs", {120, 2445, 5565, 240}, in},
        {&f.b_add_task, "b_add_task", {120, 2760, 1050, 345}, in},
        {&f.b_delete_task, "b_delete_task", {1245, 2760, 1050, 345}, in},
        {&f.b_reload_task, "b_reload_task", {2370, 2760, 1050, 345}, in},
        {&f.b_save_task, "b_save_task", {3495, 2760, 1050, 345}, in},
        {&f.b_run_task_now, "b_run_task_now", {4620, 2760, 1065, 345}, in},
    };
}

std::vector<menu_layout> menus(frm_main& f) {
    return {
        {"&File", {{&f.menuFileItem_exit, "menuFileItem_exit"}}},
        {"&Applications",
         {{&f.menuAppsItem_browser, "menuAppsItem_browser"},
          {&f.menuAppsItem_postwright, "menuAppsItem_postwright"},
          {&f.menuAppsItem_stock, "menuAppsItem_stock"},
          {&f.menuAppsItem_web_monitor, "menuAppsItem_web_monitor"}}},
        {"&Help",
         {{&f.menuHelpItem_help, "menuHelpItem_help"},
          {&f.menuHelpItem_separator1, "menuHelpItem_separator1"},
          {&f.menuHelpItem_online, "menuHelpItem_online", f.menuOnlineItem, "menuOnlineItem"},
          {&f.menuHelpItem_separator2, "menuHelpItem_separator2"},
          {&f.menuHelpItem_about, "menuHelpItem_about"}}},
    };
}

}  // namespace

form_layout frm_main_layout(frm_main& f) {
    return {menus(f),
            &f.SSTab1,
            "SSTab1",
            {phone_book_page(f), options_page(f), status_log_page(f), task_list_page(f)},
            &f.o_statusbar,
            "o_statusbar"};
}

}  // namespace tw
