#include <gtest/gtest.h>
#include <sys/stat.h>

#include "fake_processes.hpp"
#include "platform/browser_rules.hpp"
#include "platform/posix/posix_dde_client.hpp"
#include "platform/posix/posix_registry.hpp"
#include "temp_folder.hpp"
#include "toolkit/virtual_event_loop.hpp"
#include "web/registry_string.hpp"

namespace tw {
namespace {

using testing::temp_folder;

std::string program_file(const temp_folder& folder, const std::string& name, bool executable) {
    const std::string path = folder / name;
    testing::write_file(path, "#!/bin/sh\n");
    ::chmod(path.c_str(), executable ? 0755 : 0644);
    return path;
}

TEST(posix_registry, names_the_desktops_opener_as_the_second_browser_when_path_has_one) {
    temp_folder folder;
    const std::string opener = program_file(folder, "bin/xdg-open", true);
    const auto lookup = [](const std::string& search_path, const char* key_name) {
        posix_registry keys(search_path);
        return read_registry_string(keys, reg::local_machine, std::string(app_paths_key) + key_name,
                                    "");
    };
    EXPECT_EQ(lookup("/nowhere:" + (folder / "bin"), iexplore_key_name), opener);
    EXPECT_EQ(lookup(folder / "bin", netscape_key_name), "");
    EXPECT_EQ(lookup("/nowhere", iexplore_key_name), "");
}

TEST(posix_browser_rules, any_executable_file_is_a_browser_and_talks_as_the_second_one) {
    temp_folder folder;
    EXPECT_TRUE(
        is_supported_browser(program_file(folder, "firefox", true), browser_rules::any_program));
    EXPECT_FALSE(
        is_supported_browser(program_file(folder, "notes.txt", false), browser_rules::any_program));
    EXPECT_EQ(browser_service("/opt/firefox", browser_rules::any_program), "IEXPLORE");
    EXPECT_EQ(browser_service("/opt/firefox", browser_rules::named_browsers), "");
}

// The stand-in starts the browser with the address once per exchange, unquoted
// by the argument split, and answers everything else without doing anything.
TEST(posix_dde_client, starts_the_browser_once_per_exchange_with_the_address) {
    virtual_event_loop loop;
    testing::fake_processes programs(loop);
    posix_dde_client link(programs);
    const auto send = [&link](const std::string& topic, const std::string& item) {
        link.set_link_mode(dde_client::no_link);
        link.set_topic(topic);
        link.set_item(item);
        return link.set_link_mode(dde_client::manual_link) && link.request();
    };
    const std::string item = "\"file:///my help/twhelp.htm\",,0xFFFFFFFF,0x7";
    link.begin_exchange("/usr/bin/xdg-open");
    EXPECT_TRUE(send("IEXPLORE|WWW_OpenURL", item));
    EXPECT_TRUE(send("IEXPLORE|WWW_OpenURL", item));
    EXPECT_TRUE(send("IEXPLORE|WWW_Activate", "0xFFFFFFFF,0x0"));
    ASSERT_EQ(programs.started().size(), 1u);
    EXPECT_EQ(programs.started()[0].application, "/usr/bin/xdg-open");
    EXPECT_EQ(programs.started()[0].command_line, "\"file:///my help/twhelp.htm\"");

    programs.refuse("/missing");
    link.begin_exchange("/missing");
    EXPECT_FALSE(send("IEXPLORE|WWW_OpenURL", item));
    EXPECT_FALSE(send("", item)) << "no topic, no link";
}

}  // namespace
}  // namespace tw
