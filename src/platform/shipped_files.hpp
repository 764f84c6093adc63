#pragma once

#include <filesystem>

namespace tw {

inline constexpr const char* help_page_name = "twhelp.htm";

// The files the program ships with, seen from the executable's folder: beside
// it (a build folder, a copied program), else in ../share/tarnwick/, where an
// install tree (bin/, share/tarnwick/) puts them, wherever the tree was moved.
struct shipped_files {
    std::filesystem::path help_page;  // empty when neither place holds one
    bool installed = false;           // found in an install tree
};

shipped_files find_shipped_files(const std::filesystem::path& executable_folder);

}  // namespace tw
