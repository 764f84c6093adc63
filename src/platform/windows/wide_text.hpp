#pragma once

#include <string>
#include <string_view>

namespace tw {

// The program keeps text as UTF-8; Windows' wide functions take UTF-16.
// Conversion happens here, at the boundary. Invalid input becomes U+FFFD.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

}  // namespace tw
