#pragma once

#include <string>

namespace tw {

// Which programs the program takes as its browser, and which DDE service
// serves each.
enum class browser_rules {
    // Windows: the two browsers with a DDE server, known by their file names.
    named_browsers,
    // POSIX: the stand-in link hands the address to the program on its
    // command line, which every browser there understands; so any
    // executable file will do.
    any_program,
};

// Whether `path` may be chosen as the browser.
bool is_supported_browser(const std::string& path, browser_rules rules);

// "NETSCAPE" or "IEXPLORE" when the lower-cased path holds "netscape.exe" or
// "iexplore.exe"; else "" (no server) among named browsers, "IEXPLORE" (the
// service the POSIX registry's opener stands for) with any program.
std::string browser_service(const std::string& path, browser_rules rules);

}  // namespace tw
