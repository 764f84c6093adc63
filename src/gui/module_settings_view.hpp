#pragma once

#include "companions/module_form.hpp"

class QDialog;

namespace tw {

class companion_modules;
class qt_dialogs;

// A module settings form: the ID with the note that opens the profile page,
// the stock form's data source, the e-mail address, the outbox folder chosen
// by drive and folder, and OK.
void build_module_settings_view(frm_stockmodule& form, QDialog& dialog);
void build_module_settings_view(frm_wpmmodule& form, QDialog& dialog);

// Shows both settings forms of `modules` through these views.
void register_module_settings_views(qt_dialogs& dialogs, companion_modules& modules);

}  // namespace tw
