#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "test_program.hpp"
#include "web/web_addresses.hpp"

namespace tw {
namespace {

using testing::dde_request;
using testing::test_program;

constexpr const char* open_topic = "IEXPLORE|WWW_OpenURL";
constexpr const char* activate_item = "0xFFFFFFFF,0x0";

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
    const std::vector<dde_request>& requests() const { return p.browser.requests(); }

    test_program p;
    const std::string ie = p.folder / "ie/iexplore.exe";
};

// An ".htm" address with "http://" is brought to the front once, not twice.
TEST_F(url_opener_test, a_running_browser_gets_the_page_twice_and_comes_to_the_front_once) {
    p.write("ns/Netscape.exe", "");
    for (const char* service : {"IEXPLORE", "NETSCAPE"}) {
        SCOPED_TRACE(service);
        if (std::string(service) == "NETSCAPE") p.prog.browser_path = p.folder / "ns/Netscape.exe";
        p.browser.service = service;
        const std::size_t before = requests().size();
        click_web_page(10);
        const std::string open = std::string(service) + "|WWW_OpenURL";
        const std::string item = open_item(web_address::update_notices);
        EXPECT_THAT(std::vector(requests().begin() + before, requests().end()),
                    ::testing::ElementsAre(
                        request_of(open, item), request_of(open, item),
                        request_of(std::string(service) + "|WWW_Activate", activate_item)));
    }
    EXPECT_TRUE(p.fakes.started().empty());
}

TEST_F(url_opener_test, a_browser_that_does_not_answer_is_started_once_minimized) {
    for (const bool running : {false, true}) {
        SCOPED_TRACE(running ? "refusing" : "not running");
        p.browser.running = running;
        p.browser.refusing = running;
        const std::size_t before = p.fakes.started().size();
        click_web_page(25);
        ASSERT_EQ(p.fakes.started().size(), before + 1);
        EXPECT_EQ(p.fakes.started().back().application, ie);
        EXPECT_TRUE(p.fakes.started().back().minimized);
    }
    // The refused first pass ran again before the second.
    EXPECT_EQ(std::count_if(requests().begin(), requests().end(),
                            [](const dde_request& r) { return r.topic == open_topic; }),
              3);
    EXPECT_TRUE(p.dialogs.messages().empty());
}

TEST_F(url_opener_test, the_help_page_goes_to_the_browser_in_quotes_when_its_path_has_blanks) {
    p.prog.help_file_path = p.folder / "my help/twhelp.htm";
    p.drive([&] { p.main().menuHelpItem_help.click(10); });
    EXPECT_TRUE(requests().empty()) << "no help page, nothing opened";

    p.write("my help/twhelp.htm", "<html></html>");
    p.drive([&] { p.main().menuHelpItem_help.click(10); });
    ASSERT_FALSE(requests().empty());
    EXPECT_EQ(requests().front().item, open_item("\"file://" + p.prog.help_file_path + "\""));

    p.dialogs.expect_form(p.prog.about.form, [&] { p.prog.about.b_ok.click(); });
    p.drive([&] { p.main().menuHelpItem_about.click(99); });
    EXPECT_FALSE(p.prog.about.form.visible());
}

TEST_F(url_opener_test, a_web_page_without_a_browser_asks_for_one_and_opens_in_the_same_click) {
    const char* ask =
        "You must select a browser before using this option.  You can change your selection in "
        "browsers using the menu 'Applications' option.";
    p.registry_keys.set_string(std::string(app_paths_key) + iexplore_key_name, ie);
    p.prog.browser_path.clear();
    p.dialogs.expect_message(ask);
    p.dialogs.expect_form(p.prog.apps.form);  // closed without a choice
    click_web_page(15);
    EXPECT_TRUE(requests().empty());

    p.dialogs.expect_message(ask);
    p.dialogs.expect_form(p.prog.apps.form, [&] {
        p.prog.apps.Command1.click();
        p.prog.apps.Command3.click();
    });
    click_web_page(15);
    EXPECT_THAT(requests(),
                ::testing::Contains(request_of(open_topic, open_item(web_address::product_page))));
    EXPECT_EQ(p.dialogs.messages().back().flags, box::exclamation);

    p.prog.browser_path = p.folder / "gone/iexplore.exe";
    const std::size_t before = requests().size();
    click_web_page(15);
    EXPECT_EQ(requests().size(), before) << "a missing browser program opens nothing";
}

}  // namespace
}  // namespace tw
