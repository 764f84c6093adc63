#include "gui/module_settings_view.hpp"

#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

#include "companions/companion_modules.hpp"
#include "gui/bound_widget.hpp"
#include "gui/item_list_adapter.hpp"
#include "gui/qt_dialogs.hpp"

namespace tw {

namespace {

QGroupBox* outbox_frame(module_form& f, QWidget* parent) {
    auto* group = bound<QGroupBox>(f.Frame1, "Frame1", parent);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(bound<QComboBox>(f.o_email_drive, "o_email_drive", group));
    layout->addWidget(bound<QTreeView>(f.o_email_dir, "o_email_dir", group), 1);
    auto* chosen = new QHBoxLayout;
    chosen->addWidget(bound<QLabel>(f.l_email_dir, "l_email_dir", group));
    chosen->addWidget(bound<QLabel>(f.l_email_directory, "l_email_directory", group), 1);
    layout->addLayout(chosen);
    return group;
}

// The stock form passes its data source; the other form has none.
void build(module_form& f, QDialog& dialog, label* l_data_source, combo_box* o_data_source) {
    auto* layout = new QVBoxLayout(&dialog);
    auto* instruction = bound<QLabel>(f.Label1, "Label1", &dialog);
    instruction->setWordWrap(true);
    layout->addWidget(instruction);

    auto* fields = new QFormLayout;
    fields->addRow(bound<QLabel>(f.l_cpid, "l_cpid", &dialog),
                   bound<QLineEdit>(f.o_cpid, "o_cpid", &dialog));
    auto* note = bound<QLabel>(f.Label3, "Label3", &dialog);
    note->setWordWrap(true);
    note->setCursor(Qt::PointingHandCursor);
    note->setStyleSheet("color: blue; text-decoration: underline;");
    fields->addRow(note);
    if (o_data_source) {
        fields->addRow(bound<QLabel>(*l_data_source, "l_data_source", &dialog),
                       bound<QComboBox>(*o_data_source, "o_data_source", &dialog));
    }
    fields->addRow(bound<QLabel>(f.l_override_email, "l_override_email", &dialog),
                   bound<QLineEdit>(f.o_override_email, "o_override_email", &dialog));
    layout->addLayout(fields);
    layout->addWidget(outbox_frame(f, &dialog), 1);

    auto* ok_row = new QHBoxLayout;
    ok_row->addStretch();
    auto* ok = bound<QPushButton>(f.Command1, "Command1", &dialog);
    ok->setDefault(true);
    ok_row->addWidget(ok);
    layout->addLayout(ok_row);
}

}  // namespace

void build_module_settings_view(frm_stockmodule& form, QDialog& dialog) {
    build(form, dialog, &form.l_data_source, &form.o_data_source);
}

void build_module_settings_view(frm_wpmmodule& form, QDialog& dialog) {
    build(form, dialog, nullptr, nullptr);
}

void register_module_settings_views(qt_dialogs& dialogs, companion_modules& modules) {
    dialogs.register_view(modules.stock_form.form, [&modules](QDialog& d) {
        build_module_settings_view(modules.stock_form, d);
    });
    dialogs.register_view(modules.web_monitor_form.form, [&modules](QDialog& d) {
        build_module_settings_view(modules.web_monitor_form, d);
    });
}

}  // namespace tw
