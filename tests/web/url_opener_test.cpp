#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "test_program.hpp"

namespace tw {
namespace {

using testing::dde_request;
using ::testing::ElementsAre;

std::string open_item(const std::string& address) { return address + ",,0xFFFFFFFF,0x7"; }

MATCHER_P2(request_of, topic, item, "") { return arg.topic == topic && arg.item == item; }

class url_opener_test : public ::testing::Test {
protected:
    void SetUp() override {
        p.write("ie/iexplore.exe", "");
        p.start_up();
        p.prog.browser_path = ie;
    }
    void click_web_page(int index) {
        for (menu_item& item : p.main().menuOnlineItem)
            if (item.index() == index) p.drive([&] { item.click(index); });
    }
    // The requests made since the last call.
    std::vector<dde_request> new_requests() {
        const auto& all = p.browser.requests();
        std::vector<dde_request> fresh(all.begin() + static_cast<long>(seen_), all.end());
        seen_ = all.size();
        return fresh;
    }

    testing::test_program p;
    const std::string ie = p.folder / "ie/iexplore.exe";
    std::size_t seen_ = 0;
};

// An ".htm" address with "http://" is brought to the front once, not twice.
TEST_F(url_opener_test, a_running_browser_gets_the_page_twice_and_comes_to_the_front_once) {
    p.write("ns/Netscape.exe", "");
    const std::string item = open_item("http://www.lumarin.example/tarnwick/notify.htm");
    for (const std::string service : {"IEXPLORE", "NETSCAPE"}) {
        if (service == "NETSCAPE") p.prog.browser_path = p.folder / "ns/Netscape.exe";
        p.browser.service = service;
        click_web_page(10);
        EXPECT_THAT(new_requests(),
                    ElementsAre(request_of(service + "|WWW_OpenURL", item),
                                request_of(service + "|WWW_OpenURL", item),
                                request_of(service + "|WWW_Activate", "0xFFFFFFFF,0x0")));
    }
    EXPECT_TRUE(p.fakes.started().empty());
}

// Not running, the link does not open; refusing, the first pass is asked again.
TEST_F(url_opener_test, a_browser_that_does_not_answer_is_started_once_minimized) {
    for (const bool running : {false, true}) {
        p.browser.running = p.browser.refusing = running;
        click_web_page(25);
        const auto asked = new_requests();
        EXPECT_EQ(
            std::ranges::count(asked, std::string("IEXPLORE|WWW_OpenURL"), &dde_request::topic),
            running ? 3 : 0);
        EXPECT_EQ(p.fakes.started().size(), running ? 2u : 1u);
        EXPECT_EQ(p.fakes.started().back().application, ie);
        EXPECT_TRUE(p.fakes.started().back().minimized);
    }
    EXPECT_TRUE(p.dialogs.messages().empty());
}

// Once for a page of any of the kinds, else once for a web or file-transfer
// address, never for anything else.
TEST_F(url_opener_test, pages_and_web_or_file_transfer_addresses_bring_the_browser_to_the_front) {
    const struct {
        const char* address;
        long fronts;
    } cases[] = {{"file:///tmp/chart.gif", 1},  {"file:///tmp/photo.jpg", 1},
                 {"file:///tmp/notes.txt", 1},  {"ftp://ftp.example/pub/", 1},
                 {"http://www.example/", 1},    {"http://www.example/a.htm", 1},
                 {"mailto:ann@example.org", 0}, {"file:///tmp/data.csv", 0}};
    for (const auto& c : cases) {
        std::string address = c.address;
        p.drive([&] { p.prog.urls.open_url(address); });
        EXPECT_EQ(std::ranges::count(new_requests(), std::string("IEXPLORE|WWW_Activate"),
                                     &dde_request::topic),
                  c.fronts)
            << c.address;
    }
}

TEST_F(url_opener_test, the_help_page_goes_to_the_browser_in_quotes_when_its_path_has_blanks) {
    p.prog.help_file_path = p.folder / "my help/twhelp.htm";
    p.drive([&] { p.main().menuHelpItem_help.click(10); });
    EXPECT_TRUE(new_requests().empty()) << "no help page, nothing opened";

    p.write("my help/twhelp.htm", "<html></html>");
    p.prog.browser_path.clear();
    p.dialogs.expect_message(
        "You must use a supported Internet browser to automatically load the HTML file.  Only "
        "Netscape and MSIE browsers are supported with this function.  You can change your "
        "selection in browsers using the menu 'Applications' option.");
    p.dialogs.expect_form(p.prog.apps.form);  // closed without a choice
    p.drive([&] { p.main().menuHelpItem_help.click(10); });
    EXPECT_TRUE(new_requests().empty());
    p.prog.browser_path = ie;
    p.drive([&] { p.main().menuHelpItem_help.click(10); });
    EXPECT_THAT(new_requests(), ::testing::Contains(request_of(
                                    "IEXPLORE|WWW_OpenURL",
                                    open_item("\"file://" + p.prog.help_file_path + "\""))));

    p.dialogs.expect_form(p.prog.about.form, [&] { p.prog.about.b_ok.click(); });
    p.drive([&] { p.main().menuHelpItem_about.click(99); });
    EXPECT_FALSE(p.prog.about.form.visible());
}

TEST_F(url_opener_test, a_web_page_without_a_browser_asks_for_one_and_opens_in_the_same_click) {
    const char* ask =
        "You must select a browser before using this option.  You can change your selection in "
        "browsers using the menu 'Applications' option.";
    p.registry_keys.set(std::string(app_paths_key) + iexplore_key_name, "", {reg::string_type, ie});
    p.prog.browser_path.clear();
    p.dialogs.expect_message(ask);
    p.dialogs.expect_form(p.prog.apps.form);  // closed without a choice
    click_web_page(15);
    EXPECT_TRUE(new_requests().empty());

    p.dialogs.expect_message(ask);
    p.dialogs.expect_form(p.prog.apps.form, [&] {
        p.prog.apps.Command1.click();
        p.prog.apps.Command3.click();
    });
    click_web_page(15);
    EXPECT_EQ(std::ranges::count(new_requests(), std::string("IEXPLORE|WWW_OpenURL"),
                                 &dde_request::topic),
              2);
    EXPECT_EQ(p.dialogs.messages().back().flags, box::exclamation);

    p.prog.browser_path = p.folder / "gone/iexplore.exe";
    click_web_page(15);
    EXPECT_TRUE(new_requests().empty()) << "a missing browser program opens nothing";
}

}  // namespace
}  // namespace tw
