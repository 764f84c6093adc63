#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "companions/companion_modules.hpp"
#include "platform/ini_document.hpp"
#include "platform/path_rules.hpp"
#include "test_program.hpp"

namespace tw {
namespace {

using testing::test_program;
using user = std::function<void(module_settings&)>;
constexpr auto stock = companion_module::stock_quote;
constexpr auto web_monitor = companion_module::web_page_monitor;
constexpr auto adding = command_line_purpose::adding;
constexpr auto from_menu = command_line_purpose::menu;

// A started program whose companion settings hold `fcd_ini` (the start-up adds
// the default outbox folder when it holds none).
struct module_program : test_program {
    explicit module_program(const std::string& fcd_ini = "") {
        if (!fcd_ini.empty()) write("fcd.ini", fcd_ini);
        start_up();
    }
    // Shows the settings form of `which`, handled by `u` as a user would.
    std::optional<std::string> command_line(companion_module which, command_line_purpose purpose,
                                            const user& u) {
        module_form& form = which == stock ? static_cast<module_form&>(prog.modules.stock_form)
                                           : prog.modules.web_monitor_form;
        dialogs.expect_form(form.form, [this, u] { u(*prog.modules.loaded()); });
        std::optional<std::string> line;
        drive([&] { line = prog.modules.settings_command_line(which, purpose); });
        return line;
    }
    std::string fcd(const char* section, const char* key) const {
        return ini_document(file("fcd.ini")).read(section, key);
    }
};

void press_ok(module_settings& s) { s.form().Command1.click(); }

TEST(module_settings, loading_shows_the_stored_id_data_source_and_own_address) {
    struct row {
        std::string stored_id, stored_source, shown_id, shown_source;
    } rows[] = {{"Demo7", "", "demo", "Yahoo"},
                {"", "yahoo", "demo", "Yahoo"},
                {"12345", "Google", "12345", ""}};
    for (const row& r : rows) {
        module_program p("[Current]\r\nCPID=" + r.stored_id + "\r\n[Stock Quote Module]\r\n" +
                         "Stock Data Source=" + r.stored_source +
                         "\r\nOverride Email Address=s@x\r\n[Web Page Monitor Module]\r\n" +
                         "Override Email Address=w@x\r\n");
        p.command_line(stock, adding, [&](module_settings& s) {
            EXPECT_EQ(s.form().o_cpid.text(), r.shown_id);
            EXPECT_EQ(s.data_source()->text(), r.shown_source) << r.stored_source;
            EXPECT_EQ(s.form().o_override_email.text(), "s@x");
            EXPECT_EQ(s.form().l_email_directory.caption(), p.folder / "outbox");
        });
        p.command_line(web_monitor, adding, [](module_settings& s) {
            EXPECT_EQ(s.data_source(), nullptr);
            EXPECT_EQ(s.form().o_override_email.text(), "w@x");
        });
    }
}

TEST(module_settings, ok_asks_an_address_for_the_demo_id_only_then_stores_every_key) {
    module_program p;
    p.command_line(stock, adding, [&](module_settings& s) {
        s.form().o_cpid.set_text("");
        EXPECT_EQ(s.form().o_cpid.text(), "demo") << "an emptied ID";
        p.dialogs.expect_message(
            "When using 'DEMO' as the ID, you must enter the email address you want to receive "
            "the stock quote information.");
        press_ok(s);
        EXPECT_TRUE(s.form().form.visible());
        EXPECT_EQ(p.fcd("Current", "CPID"), "") << "nothing stored";
        s.form().o_cpid.set_text("DEMO");
        press_ok(s);
        EXPECT_FALSE(s.form().form.visible());
    });
    EXPECT_EQ(p.file("fcd.ini"),
              "[Current]\r\nEmail Outbox Directory=" + (p.folder / "outbox") +
                  "\r\nCPID=DEMO\r\n[Stock Quote Module]\r\nStock Data Source=Yahoo\r\n"
                  "Override Email Address=\r\n");
}

// Values go in as typed, without quotes; from the menu a module without an
// address mails to its ID. Closing the form cancels: nothing is stored and
// no line made. Without a stored outbox folder there is no line either.
TEST(module_settings, command_lines_from_the_form_and_none_from_a_closed_one) {
    module_program p;
    const std::string outbox = p.folder / "My Tools";
    std::filesystem::create_directory(outbox);
    const std::string line = " /auto /id=12345 /s=Yahoo /o=" + outbox;
    EXPECT_EQ(p.command_line(stock, adding,
                             [&](module_settings& s) {
                                 s.form().o_cpid.set_text("12345");
                                 s.form().o_email_dir.set_path(outbox);
                                 press_ok(s);
                             }),
              line);
    EXPECT_EQ(p.command_line(stock, from_menu, press_ok), line + " /e=12345");
    for (const auto purpose : {adding, from_menu})
        EXPECT_EQ(p.command_line(stock, purpose,
                                 [](module_settings& s) { s.form().o_cpid.set_text("999"); }),
                  std::nullopt);
    EXPECT_EQ(p.fcd("Current", "CPID"), "12345");

    p.write("fcd.ini", "[Current]\r\nCPID=12345\r\n");
    p.command_line(web_monitor, from_menu, [](module_settings& s) {
        EXPECT_EQ(s.module_command_line(from_menu), "") << "no outbox folder stored";
    });
}

// The page of Help, On-Line Web Pages, Customer Profile.
TEST(module_settings, the_note_opens_the_customer_profile_page_in_the_browser) {
    module_program p;
    p.write("iexplore.exe", "");
    p.prog.browser_path = p.folder / "iexplore.exe";
    p.command_line(web_monitor, adding, [](module_settings& s) { s.form().Label3.click(); });
    p.drive([&] { p.main().menuOnlineItem[0].click(3); });
    const auto& asked = p.browser.requests();
    ASSERT_EQ(asked.size(), 6u) << "the page twice and the browser to the front, each time";
    EXPECT_EQ(asked[0].item, asked[3].item);
}

// The lists show the nearest folder there is; the label, and so OK, keep the
// stored one until the user picks another (a folder that is gone for now, on a
// disk not mounted, is not silently replaced).
TEST(module_settings, a_stored_outbox_that_is_gone_keeps_its_text_while_the_lists_stay_usable) {
    module_program p;
    const std::string gone = p.folder / "gone/outbox/";
    p.write("fcd.ini", "[Current]\r\nEmail Outbox Directory=" + gone + "\r\nCPID=1\r\n");
    p.command_line(web_monitor, adding, [&](module_settings& s) {
        // The stored folder's drive is the one chosen in the list, whatever its
        // letter's case ("C:" is listed as "c:").
        EXPECT_THAT(s.form().o_email_drive.drives(),
                    ::testing::Contains(s.form().o_email_drive.path()));
        EXPECT_EQ(s.form().o_email_dir.path(), p.folder.path().string());
        EXPECT_EQ(s.form().l_email_directory.caption(), gone);
        press_ok(s);
    });
    EXPECT_EQ(p.fcd("Current", "Email Outbox Directory"), gone);
}

}  // namespace
}  // namespace tw
