#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tw {

// An atomic write goes through "<file>.tmp-<pid>-<serial>" beside the file;
// the pid tells whether its writer may still be at work.
std::string temp_file_name(std::string_view file_name, std::uint64_t pid, unsigned serial);

// The pid in the temp file name `candidate` of `file_name`; 0 when
// `candidate` is no temp file of it.
std::uint64_t temp_file_writer(std::string_view file_name, std::string_view candidate);

}  // namespace tw
