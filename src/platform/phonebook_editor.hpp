#pragma once

#include <string>

namespace tw {

// The program that edits a phone-book file, and the parameters to start it with.
struct editor_command {
    std::string program;
    std::string parameters;
};

// How this platform edits `phonebook_file`. `program` is a full path when the
// editor was found, else its bare name, which the launcher reports as missing.
editor_command phonebook_editor(const std::string& phonebook_file);

}  // namespace tw
