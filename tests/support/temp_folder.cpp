#include "temp_folder.hpp"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "platform/path_rules.hpp"

namespace tw::testing {

// A random name that nobody holds yet; create_directory tells a taken one.
temp_folder::temp_folder() {
    std::random_device random;
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        path_ = base / ("tarnwick-" + std::to_string(random()));
        if (std::filesystem::create_directory(path_)) return;
    }
    throw std::runtime_error("cannot make a temp folder");
}

std::string temp_folder::operator/(const std::string& name) const {
    return utf8_path(path_ / file_path(name).make_preferred());
}

temp_folder::~temp_folder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string read_file(const std::string& path) {
    std::ifstream file(file_path(path), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void write_file(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(file_path(path).parent_path());
    std::ofstream(file_path(path), std::ios::binary) << bytes;
}

}  // namespace tw::testing
