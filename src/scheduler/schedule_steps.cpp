#include "scheduler/schedule_steps.hpp"

#include <algorithm>

#include "helpers/yes_text.hpp"
#include "program.hpp"

namespace tw {

namespace {

// The first task from `from` up to `end` whose stored "Enabled" field is on,
// else `end`. The file is looked at once for all of them: a look per task
// would check the file on disk thousands of times in a long list.
int next_enabled_task(program& p, int from, int end) {
    const list_box& list = p.main.o_task_list;
    int found = end;
    p.profiles.view(p.task_file_path, [&](const ini_document& file) {
        for (int i = from; i < end && found == end; ++i)
            if (means_yes(file.read(task_sections::enabled, list.item(i)))) found = i;
    });
    return found;
}

}  // namespace

bool line_is_up(program& p) { return p.ctrl_RAS.connection_state() == ras_connected; }

void disconnect_after_pass(program& p) {
    p.force_disconnect = false;
    p.disconnecting.disconnect(connection_end::after_last_task);
}

void wait_for_next_minute(program& p, wall_time started) {
    using namespace std::chrono;
    const auto next = floor<minutes>(started) + minutes{1};
    for (wall_time now = p.loop.now(); floor<minutes>(now) == floor<minutes>(started);
         now = p.loop.now())
        p.loop.wait(std::max(duration<double>(next - now).count(), 0.001));
}

std::string task_field(program& p, const char* section, const std::string& application) {
    return p.profiles.read(p.task_file_path, section, application);
}

// Each run lets events go on, so the file is looked at afresh after it: a
// change saved meanwhile, here or by another program, counts.
void for_each_enabled_task(program& p, const std::function<void(const std::string&)>& run) {
    const list_box& list = p.main.o_task_list;
    const int count = list.list_count();
    const auto end = [&] { return std::min(count, list.list_count()); };
    for (int i = next_enabled_task(p, 0, end()); i < end();
         i = next_enabled_task(p, i + 1, end())) {
        const std::string app = list.item(i);
        run(app);
    }
}

entry_source take_schedule_entry(program& p) {
    frm_main& m = p.main;
    if (!m.o_phonebook_list.text().empty()) return entry_source::chosen;
    // Selected as a click would, so Connect knows of it; a default the list
    // lacks is only shown, and keep_listed_entry clears it.
    if (const std::string& isp = m.l_default_isp.caption(); !isp.empty()) {
        if (!p.phonebook.select_entry(isp)) m.o_phonebook_list.set_text(isp);
        return entry_source::default_isp;
    }
    p.ui.message(no_entry_message, box::information, message_title);
    return entry_source::none;
}

bool keep_listed_entry(program& p) {
    combo_box& list = p.main.o_phonebook_list;
    const auto& entries = list.items();
    if (std::find(entries.begin(), entries.end(), list.text()) != entries.end()) return true;
    list.set_text("");
    p.dialing.enable_connect();
    return false;
}

}  // namespace tw
