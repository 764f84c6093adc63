#pragma once

#include <filesystem>
#include <string>

namespace tw::testing {

// A fresh folder under the system's temp folder, removed with everything in it.
class temp_folder {
public:
    temp_folder();
    ~temp_folder();
    temp_folder(const temp_folder&) = delete;
    temp_folder& operator=(const temp_folder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // `name` may use '/'; the path comes back in the platform's spelling.
    std::string operator/(const std::string& name) const;

private:
    std::filesystem::path path_;
};

std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& bytes);

}  // namespace tw::testing
