#pragma once

namespace tw {

// The maker's web pages the program opens, one fixed address each. They are
// configuration of the program: a move of the web site changes this file only.
namespace web_address {
inline constexpr const char* customer_profile = "http://www.lumarin.example/ferrocast/profile.htm";
inline constexpr const char* update_notices = "http://www.lumarin.example/tarnwick/notify.htm";
inline constexpr const char* product_page = "http://www.lumarin.example/tarnwick/";
inline constexpr const char* download = "http://www.lumarin.example/tarnwick/download.htm";
inline constexpr const char* companion_family = "http://www.lumarin.example/ferrocast/";
inline constexpr const char* maker_home = "http://www.lumarin.example/";
inline constexpr const char* classifieds = "http://classifieds.lumarin.example/";
}  // namespace web_address

// The note of the module settings forms that opens the customer-profile page.
inline constexpr const char* customer_profile_note =
    "(Visit the Ferrocast pages of our web site to get your Customer Profile ID: click here.)";

}  // namespace tw
