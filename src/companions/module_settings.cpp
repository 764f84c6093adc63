#include "companions/module_settings.hpp"

#include <stdexcept>

#include "companions/companion_settings.hpp"
#include "platform/folders.hpp"
#include "program.hpp"
#include "web/web_addresses.hpp"

namespace tw {

namespace {

namespace keys = companion_settings;

constexpr const char* demo_id = "demo";
constexpr const char* data_source_choice = "Yahoo";
constexpr const char* demo_needs_address =
    "When using 'DEMO' as the ID, you must enter the email address you want to receive the stock "
    "quote information.";

bool blank(const std::string& text) { return trim(text).empty(); }

}  // namespace

module_settings::module_settings(program& p, frm_stockmodule& form)
    : module_settings(p, form, keys::stock_section, &form.o_data_source) {}

module_settings::module_settings(program& p, frm_wpmmodule& form)
    : module_settings(p, form, keys::web_monitor_section, nullptr) {}

module_settings::module_settings(program& p, module_form& form, const char* section,
                                 combo_box* data_source)
    : p_(p), form_(form), section_(section), data_source_(data_source) {
    show_working_folder();
    connect_handlers();
    Form_Load();
}

// The lists start where a folder list starts: the working folder and its drive.
void module_settings::show_working_folder() {
    module_form& f = form_;
    f.o_email_drive.set_drives(drives());
    if (const auto here = readable_folder(".")) {
        f.o_email_drive.set_path(native_paths().drive_of(*here));
        f.o_email_dir.set_path(*here);
    }
}

void module_settings::connect_handlers() {
    module_form& f = form_;
    f.o_cpid.change.connect([this] { o_cpid_Change(); });
    f.o_email_drive.change.connect([this] { o_email_drive_Change(); });
    f.o_email_dir.change.connect([this] { o_email_dir_Change(); });
    f.Command1.click.connect([this] { Command1_Click(); });
    f.Label3.click.connect([this] { Label3_Click(); });
    f.form.unload.connect([this] { closed_ = true; });
}

std::string module_settings::read(const char* section, const char* key) const {
    return p_.profiles.read(p_.companion_settings_file_path, section, key);
}

void module_settings::Form_Load() {
    module_form& f = form_;
    if (data_source_) data_source_->add_item(data_source_choice);
    // Any ID naming the demonstration profile, in any case, shows as the one demo ID.
    const std::string id = read(keys::current, keys::cpid);
    f.o_cpid.set_text(id.empty() || lower(id).find(demo_id) != std::string::npos ? demo_id : id);
    if (const std::string outbox = read(keys::current, keys::outbox); !outbox.empty())
        show_outbox(outbox);
    else
        f.l_email_directory.set_caption(p_.program_folder);
    if (data_source_) select_data_source(read(keys::stock_section, keys::data_source));
    f.o_override_email.set_text(read(section_, keys::override_email));
}

// The label shows the stored folder as the folder list writes it. A folder
// that is gone (or on a drive that is not ready) keeps its stored text in the
// label, so OK stores what the user chose, while the lists show the nearest
// folder that can be read.
void module_settings::show_outbox(const std::string& stored) {
    module_form& f = form_;
    if (const std::string drive = native_paths().drive_of(stored); !drive.empty())
        f.o_email_drive.set_path(drive);
    if (const auto shown = readable_folder(stored)) f.o_email_dir.set_path(*shown);
    const auto itself = listed_folder(stored);
    f.l_email_directory.set_caption(itself ? *itself : stored);
}

// A stored source matching no entry leaves the box empty.
void module_settings::select_data_source(const std::string& stored) {
    combo_box& box = *data_source_;
    if (stored.empty() && box.list_count() == 1) return box.set_list_index(0);
    for (int i = 0; i < box.list_count(); ++i)
        if (lower(box.item(i)) == lower(stored)) return box.set_list_index(i);
}

void module_settings::o_cpid_Change() {
    if (form_.o_cpid.text().empty()) form_.o_cpid.set_text(demo_id);
}

// A drive that is not ready leaves the folder list where it was.
void module_settings::o_email_drive_Change() {
    const std::string& drive = form_.o_email_drive.path();
    if (drive.empty()) return;
    if (const auto folder = readable_folder(drive)) form_.o_email_dir.set_path(*folder);
}

void module_settings::o_email_dir_Change() {
    form_.l_email_directory.set_caption(form_.o_email_dir.path());
}

void module_settings::Command1_Click() {
    module_form& f = form_;
    if (f.o_cpid.text().empty()) return f.o_cpid.set_text(demo_id);
    // Only the lower-case demo ID asks for an address; "DEMO" is taken as a real ID.
    if (f.o_cpid.text() == demo_id && f.o_override_email.text().empty()) {
        p_.ui.message(demo_needs_address, box::information, message_title);
        return;
    }
    store_settings();
    f.form.set_visible(false);
}

// One write of the file, in the order the keys are given. A value the file
// cannot hold (a line break) is skipped; a file that cannot be written stays
// as it was, as the companions' own settings writes do.
void module_settings::store_settings() {
    const module_form& f = form_;
    const auto store = [](ini_document& file, const char* section, const char* key,
                          const std::string& value) {
        try {
            file.write(section, key, value);
        } catch (const std::invalid_argument&) {
        }
    };
    try {
        p_.profiles.batch(p_.companion_settings_file_path, [&](ini_document& file) {
            store(file, keys::current, keys::cpid, f.o_cpid.text());
            if (data_source_)
                store(file, keys::stock_section, keys::data_source, data_source_->text());
            store(file, section_, keys::override_email, f.o_override_email.text());
            store(file, keys::current, keys::outbox, f.l_email_directory.caption());
        });
    } catch (const profile_error&) {
    }
}

void module_settings::Label3_Click() {
    std::string address = web_address::customer_profile;
    p_.urls.open_url(address);
}

std::string module_settings::module_command_line(command_line_purpose purpose) const {
    const module_form& f = form_;
    if (blank(f.o_cpid.text())) return "";
    std::string command_line = " /auto /id=" + f.o_cpid.text();
    if (data_source_) {
        if (blank(data_source_->text())) return "";
        command_line += " /s=" + data_source_->text();
    }
    const std::string outbox = read(keys::current, keys::outbox);
    if (outbox.empty()) return "";
    command_line += " /o=" + outbox;
    // From the menu a module without its own address mails to its profile.
    if (!blank(f.o_override_email.text()))
        command_line += " /e=" + f.o_override_email.text();
    else if (purpose == command_line_purpose::menu)
        command_line += " /e=" + f.o_cpid.text();
    return command_line;
}

}  // namespace tw
