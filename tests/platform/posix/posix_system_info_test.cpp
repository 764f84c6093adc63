#include "platform/posix/posix_system_info.hpp"

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

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

// Never a shared folder such as /tmp, where another user could lay out a
// task list; and nothing is created here (--agenda writes nothing).
TEST(posix_system_info, the_per_user_folder_is_under_an_absolute_xdg_folder_or_the_users_home) {
    testing::temp_folder tree;
    testing::write_file(tree / "usr/share/tarnwick/twhelp.htm", "<html></html>");
    const passwd* account = ::getpwuid(::geteuid());
    ASSERT_TRUE(account);
    const std::string config = tree / "config", home = tree / "home",
                      users_home = std::string(account->pw_dir) + "/.config/tarnwick";
    const struct {
        const char *xdg, *home;
        std::string folder;
    } cases[] = {
        {config.c_str(), home.c_str(), config + "/tarnwick"},
        {"config", home.c_str(), home + "/.config/tarnwick"},
        {nullptr, nullptr, users_home},
        {"", "", users_home},
    };
    for (const auto& c : cases) {
        testing::scoped_env xdg("XDG_CONFIG_HOME", c.xdg);
        testing::scoped_env home_variable("HOME", c.home);
        EXPECT_EQ(posix_system_info(tree / "usr/bin").program_folder(), c.folder);
    }
    EXPECT_FALSE(std::filesystem::exists(config) || std::filesystem::exists(home));
}

}  // namespace
}  // namespace tw
