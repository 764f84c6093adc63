#include "forms/frm_main.hpp"

#include <stdexcept>

namespace tw {

frm_main::frm_main() {
    form.set_caption("Tarnwick v1.20");
    form.set_size(6135, 4755);

    b_connect.set_caption("Connect");
    b_disconnect.set_caption("Disconnect");
    b_update_phonebook.set_caption("Add / Modify Phone Book Entries");
    b_cancel.set_caption("Cancel");
    f_default_isp.set_caption("Default Entry");
    b_set_default_IPS.set_caption("Select Default");
    Label2.set_caption("Current:");
    f_phonebook_entries.set_caption("Phone Book Entries");
    // Nothing to connect, disconnect or cancel until an entry is chosen.
    b_connect.set_enabled(false);
    b_disconnect.set_enabled(false);
    b_cancel.set_enabled(false);

    l_timeout.set_caption("Timeout (seconds)");
    l_retry_count.set_caption("Retry Count");
    l_disconnect1.set_caption("Disconnect in ");
    l_disconnect2.set_caption("minutes");
    // The countdown shows only while a line is up.
    l_disconnect1.set_visible(false);
    o_disconnect_in_minutes.set_visible(false);
    l_disconnect2.set_visible(false);
    o_disconnect_after_last_task.set_caption("Disconnect after last task");
    o_run_tasks_at_connect.set_caption("Run task(s) at connect time");
    o_start_scheduler_at_connect.set_caption("Start scheduler at connect time");
    o_line_drop.set_caption("Reconnect after a line drop");
    o_simulated_connection.set_caption("Simulate Connection");
    o_simulated_connection.set_visible(false);
    f_scheduler.set_caption("Scheduler");
    b_run_schedule.set_caption(schedule_off_caption);
    f_connection_type.set_caption("Connection Type");
    o_connection_type[0].set_caption("Direct Connect");
    o_connection_type[1].set_caption("Modem");
    f_specific_time.set_caption("Specific Time");
    o_user_specific_time.set_caption("Use specific times below:");
    l_specific_connect.set_caption("Connect:");
    l_specific_disconnect.set_caption("Disconnect:");
    l_specific_connect_format.set_caption("(hh:mm)");
    l_specific_disconnect_format.set_caption("(hh:mm)");

    l_connect_time.set_caption("Connect Time (this session):");
    f_log_content.set_caption("Log Content");
    b_clear_log.set_caption("Clear The Log");
    b_save_log.set_caption("Save The Log");
    o_save_logs.set_caption("Save the log after each session.");

    Frame3.set_caption("Task / Applications To Run");
    Label1.set_caption("ORDER");
    l_application.set_caption("Application:");
    l_parameters.set_caption("Parameters:");
    l_task_start_time.set_caption("Start Time:");
    l_task_stop_time.set_caption("Stop Time:");
    l_task_interval.set_caption("Interval:");
    o_task_enabled.set_caption("This task is active");
    b_add_task.set_caption("Add");
    b_delete_task.set_caption("Delete");
    b_reload_task.set_caption("Reload");
    b_save_task.set_caption("Save");
    b_run_task_now.set_caption("Run Now");
    // Nothing to edit until a task is selected.
    for (control* field : task_fields()) field->set_enabled(false);
}

menu_item& frm_main::menuAppsItem(int index) {
    for (menu_item* item : {&menuAppsItem_browser, &menuAppsItem_postwright, &menuAppsItem_stock,
                            &menuAppsItem_web_monitor})
        if (item->index() == index) return *item;
    throw std::out_of_range("no Applications menu entry with that index");
}

}  // namespace tw
