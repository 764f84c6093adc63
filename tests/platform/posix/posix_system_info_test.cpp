#include "platform/posix/posix_system_info.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "scoped_env.hpp"
#include "temp_folder.hpp"

namespace tw {
namespace {

// A build folder or a copied program keeps its files beside itself. An install
// tree (bin/ beside share/tarnwick/) keeps them per user, even where its bin/
// is writable, and its help page stays in share/tarnwick/.
TEST(posix_system_info, an_install_tree_keeps_the_files_per_user_and_finds_its_help_page) {
    struct layout {
        std::vector<std::string> help_pages;    // in the tree
        std::string program_folder, help_page;  // "~" is $XDG_CONFIG_HOME/tarnwick
    };
    const layout layouts[] = {
        {{"usr/bin/twhelp.htm"}, "usr/bin", "usr/bin/twhelp.htm"},
        {{"usr/share/tarnwick/twhelp.htm"}, "~", "usr/share/tarnwick/twhelp.htm"},
        {{"usr/bin/twhelp.htm", "usr/share/tarnwick/twhelp.htm"}, "usr/bin", "usr/bin/twhelp.htm"},
        {{"usr/share/other/twhelp.htm"}, "usr/bin", "usr/bin/twhelp.htm"},
    };
    for (const auto& l : layouts) {
        SCOPED_TRACE(l.help_pages.empty() ? "" : l.help_pages.back());
        testing::temp_folder tree;
        const std::string config = tree / "home/config";
        testing::scoped_env xdg("XDG_CONFIG_HOME", config.c_str());
        std::filesystem::create_directories(tree / "usr/bin");
        for (const auto& page : l.help_pages) {
            std::filesystem::create_directories(std::filesystem::path(tree / page).parent_path());
            testing::write_file(tree / page, "<html></html>");
        }
        const auto place = [&](const std::string& name) {
            return name.starts_with("~") ? config + "/tarnwick" + name.substr(1) : tree / name;
        };
        const posix_system_info system(tree / "usr/bin");
        EXPECT_EQ(system.program_folder(), place(l.program_folder));
        EXPECT_EQ(system.help_page(), place(l.help_page));
    }
}

}  // namespace
}  // namespace tw
