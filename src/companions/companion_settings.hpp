#pragma once

namespace tw {

// The keys of the settings file the companion programs share with this one
// ("fcd.ini"). The Customer Profile ID and the outbox folder are common to the
// modules; each module keeps its own e-mail address.
namespace companion_settings {
inline constexpr const char* current = "Current";
inline constexpr const char* cpid = "CPID";
inline constexpr const char* outbox = "Email Outbox Directory";
inline constexpr const char* stock_section = "Stock Quote Module";
inline constexpr const char* web_monitor_section = "Web Page Monitor Module";
inline constexpr const char* data_source = "Stock Data Source";
inline constexpr const char* override_email = "Override Email Address";
}  // namespace companion_settings

}  // namespace tw
