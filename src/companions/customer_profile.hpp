#pragma once

namespace tw {

// The maker's page where a user gets a Customer Profile ID, and the note of
// the module settings forms that opens it.
inline constexpr const char* customer_profile_address = "http://www.ferrocast.example/profile.htm";
inline constexpr const char* customer_profile_note =
    "(Visit the Ferrocast web site to get your Customer Profile ID: click here.)";

}  // namespace tw
