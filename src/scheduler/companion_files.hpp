#pragma once

namespace tw {

// The companion programs the task list recognises, by file name.
inline constexpr const char* e_mail_companion_file = "pw.exe";
inline constexpr const char* stock_module_file = "stockfc.exe";
inline constexpr const char* web_monitor_file = "wpmfc.exe";

// The e-mail companion's account file, beside its program.
inline constexpr const char* mail_account_file = "pw.ini";
// The parameters an e-mail companion task is stored with.
inline constexpr const char* e_mail_companion_parameters = "/mode=auto /x";
// The e-mail companion's own account setup; started and waited for, never stored.
inline constexpr const char* e_mail_companion_setup = " /app=tarnlink";

// The entries of the Applications menu: the browser's window, and one per companion.
inline constexpr int browser_menu = 5;
inline constexpr int e_mail_companion_menu = 10;
inline constexpr int stock_module_menu = 20;
inline constexpr int web_monitor_menu = 80;

}  // namespace tw
