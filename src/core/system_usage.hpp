#pragma once

namespace tw {

// The parts of --help that differ by system: the environment variables the
// program reads there, and where its files live, in that system's spelling.
struct usage_texts {
    const char* environment;
    const char* program_folder;       // before the list of files
    const char* phone_book_and_help;  // after it
    const char* one_instance;         // how this system's instances take turns
};

extern const usage_texts system_usage;

}  // namespace tw
