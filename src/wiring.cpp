#include "core/file_refusal.hpp"
#include "program.hpp"

namespace tw {

// Every control, timer and dialer event of the program's forms, connected to
// its handler here and nowhere else. An event with several handlers runs them
// in the order they are connected; where that order matters, it says why.
// (The module settings forms are wired by module_settings at each load, as
// unloading one drops its handlers with it.)
void program::wire_events() {
    frm_main& m = main;

    // File menu and the window's own events.
    m.form.unload.connect([this] { life.shutdown(); });
    m.form.resize.connect([this] { window.frm_main_Form_Resize(); });
    m.menuFileItem_exit.click.connect([this](int index) { life.menuFileItem_Click(index); });

    // Options: each box keeps its program-wide value in step.
    for (auto [box, value] :
         {std::pair{&m.o_timeout, &timeout_text}, std::pair{&m.o_retry_count, &retry_count_text}})
        box->change.connect(
            [this, box = box, value = value] { window.count_box_Change(*box, *value); });
    for (auto [box, value] : {std::pair{&m.o_specific_connect, &specific_connect_time},
                              std::pair{&m.o_specific_disconnect, &specific_disconnect_time}})
        box->change.connect([box = box, value = value] { *value = box->text(); });
    for (auto [box, flag] :
         {std::pair{&m.o_disconnect_after_last_task, &disconnect_after_last_task},
          std::pair{&m.o_run_tasks_at_connect, &run_tasks_at_connect},
          std::pair{&m.o_start_scheduler_at_connect, &start_scheduler_at_connect},
          std::pair{&m.o_line_drop, &reconnect_on_line_drop},
          std::pair{&m.o_simulated_connection, &simulate_connection},
          std::pair{&m.o_save_logs, &save_logs}})
        box->click.connect(
            [box = box, flag = flag] { *flag = box->ticked(); });  // greyed counts as off

    // Phone book and dialling.
    m.o_phonebook_list.click.connect([this] { phonebook.o_phonebook_list_Click(); });
    m.b_set_default_IPS.click.connect([this] { phonebook.b_set_default_IPS_Click(); });
    m.b_update_phonebook.click.connect([this] { phonebook.b_update_phonebook_Click(); });
    m.b_connect.click.connect([this] { dialing.connect(); });
    m.b_cancel.click.connect([this] { dialing.b_cancel_Click(); });
    controls.t_redial.tick.connect([this] { dialing.t_redial_Timer(); });

    // The line and its end.
    ctrl_RAS.state_changed.connect([this] { session.ctrl_RAS_state_changed(); });
    ctrl_RAS.state_notice.connect([this](long) { session.ctrl_RAS_state_notice(); });
    ctrl_RAS.dial_failed.connect(
        [this](const std::string& why) { dialing.ctrl_RAS_dial_failed(why); });
    ctrl_RAS.line_dropped.connect(
        [this](const std::string& why) { session.ctrl_RAS_line_dropped(why); });
    controls.t_connection_time.tick.connect([this] { session.t_connection_time_Timer(); });
    m.b_disconnect.click.connect([this] { disconnecting.b_disconnect_Click(); });
    m.o_disconnect_in_minutes.change.connect(
        [this] { disconnecting.o_disconnect_in_minutes_Change(); });
    controls.t_disconnect.tick.connect([this] { disconnecting.t_disconnect_Timer(); });

    // Schedules.
    controls.t_check_for_work.tick.connect([this] { interval.t_check_for_work_Timer(); });
    m.o_user_specific_time.click.connect([this] { specific_time.o_user_specific_time_Click(); });
    controls.t_check_specific_time.tick.connect(
        [this] { specific_time.t_check_specific_time_Timer(); });
    m.b_run_schedule.click.connect([this] { scheduler.b_run_schedule_Click(); });
    m.b_run_task_now.click.connect([this] { scheduler.b_run_task_now_Click(); });

    // Status/Log tab.
    m.b_clear_log.click.connect([this] { log.b_clear_log_Click(); });
    m.b_save_log.click.connect([this] { log.b_save_log_Click(); });

    // Task List tab. Delete and Reload change the list first; the editor then
    // follows, as the task it shows may have gone.
    m.SSTab1.click.connect([this] { editor.SSTab1_Click(); });
    m.o_task_list.click.connect([this] { editor.o_task_list_Click(); });
    m.o_parameters.change.connect([this] { editor.o_parameters_Change(); });
    m.o_task_enabled.click.connect([this] { editor.o_task_enabled_Click(); });
    for (combo_box* box : {&m.o_task_start_time, &m.o_task_stop_time, &m.o_task_interval}) {
        box->click.connect([this, box] { editor.schedule_box_Click(*box); });
        box->edit_ended.connect([this, box] { editor.schedule_box_EditEnded(*box); });
    }
    m.FlatScrollBar1.change.connect([this] { editor.FlatScrollBar1_Change(); });
    m.b_add_task.click.connect([this] { editor.b_add_task_Click(); });
    m.b_save_task.click.connect([this] {
        tasks.reload_if_changed();  // an editor's change of the file first
        tasks.b_save_task_Click();
    });
    m.b_delete_task.click.connect([this] { tasks.b_delete_task_Click(); });
    m.b_delete_task.click.connect([this] { editor.follow_shown_task(); });
    m.b_reload_task.click.connect([this] { tasks.b_reload_task_Click(); });
    m.b_reload_task.click.connect([this] { editor.follow_shown_task(); });

    // Files: one too large to read is told to the user.
    profiles.on_too_large = [this](const file_too_large& error) {
        report_too_large_file(*this, error);
    };

    // Help, Applications and web-page menus.
    for (menu_item* item : {&m.menuHelpItem_help, &m.menuHelpItem_about})
        item->click.connect([this](int index) { help.menuHelpItem_Click(index); });
    for (menu_item& item : m.menuOnlineItem)
        item.click.connect([this](int index) { help.menuOnlineItem_Click(index); });
    for (menu_item* item : {&m.menuAppsItem_browser, &m.menuAppsItem_postwright,
                            &m.menuAppsItem_stock, &m.menuAppsItem_web_monitor})
        item->click.connect([this](int index) { modules.menuAppsItem_Click(index); });

    // The modal forms.
    about.b_ok.click.connect([this] { help.about_b_ok_Click(); });
    apps.Command1.click.connect([this] { browsers.Command1_Click(); });
    apps.Command3.click.connect([this] { browsers.Command3_Click(); });
    apps.menuFileItem_exit.click.connect([this](int) { browsers.Command3_Click(); });
    apps.o_browser.lost_focus.connect([this] { browsers.o_browser_LostFocus(); });
    browser_choice.Command1.click.connect([this] { browsers.choice_Command1_Click(); });
    browser_choice.Command2.click.connect([this] { browsers.choice_Command2_Click(); });
    browser_choice.Command3.click.connect([this] { browsers.choice_Command3_Click(); });
}

}  // namespace tw
