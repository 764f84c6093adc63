#include "connection/dialers/networkmanager/networkmanager_dialer.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "mock_network_manager.hpp"
#include "scoped_env.hpp"
#include "test_program.hpp"

namespace tw {
namespace {

using ::testing::ElementsAre;

// Each test has NetworkManager's mock on a bus of its own. The mock answers
// in real time, so the simulated clock takes in its news at every step.
class networkmanager_dialer_test : public ::testing::Test {
protected:
    void SetUp() override {
        if (!mock.unavailable().empty()) GTEST_SKIP() << mock.unavailable();
    }

    // A started program dialling through NetworkManager, "MyISP" chosen.
    void start_program() {
        mock.add_profile("MyISP", "gsm");
        p.emplace(testing::test_options{
            .other_dialer = [&](event_loop& loop) -> std::unique_ptr<tw::dialer> {
                auto made = std::make_unique<networkmanager_dialer>(loop);
                dialer = made.get();
                return made;
            }});
        p->loop.take_outside_events(testing::take_bus_news);
        p->start_up();
        p->main().o_phonebook_list.set_text("MyISP");
        p->main().o_timeout.set_text("30");
    }

    // Lets up to 30 simulated seconds pass in small steps until `done` holds.
    bool settle(const std::function<bool()>& done) {
        p->drive([&] {
            for (int step = 0; step < 3000 && !done(); ++step) p->loop.do_events();
        });
        return done();
    }

    long log_count(const std::string& text) const {
        return std::ranges::count(p->log_texts(), text);
    }

    testing::mock_network_manager mock;
    networkmanager_dialer* dialer = nullptr;  // owned by p
    std::optional<testing::test_program> p;
};

TEST_F(networkmanager_dialer_test, lists_the_on_demand_profiles_by_name_and_reads_them_again) {
    for (const auto& [name, type] : {std::pair{"Office", "vpn"},
                                     {"Wired", "802-3-ethernet"},
                                     {"MyISP", "gsm"},
                                     {"DSL", "pppoe"}})
        mock.add_profile(name, type);
    virtual_event_loop loop;
    networkmanager_dialer d(loop);
    EXPECT_TRUE(d.ras_available());
    EXPECT_FALSE(d.uses_phonebook_file());
    ASSERT_EQ(d.entry_count(), 3);
    EXPECT_EQ(d.entry_name_at(0), "DSL");
    EXPECT_EQ(d.entry_name_at(1), "MyISP");
    EXPECT_EQ(d.entry_name_at(2), "Office");
    EXPECT_THROW(d.entry_name_at(3), std::out_of_range);

    mock.add_profile("Tunnel", "wireguard");
    for (int i = 0; i < 500 && d.entry_count() == 3; ++i) {
        testing::take_bus_news();
        d.refresh();
    }
    EXPECT_EQ(d.entry_count(), 4);
}

// The mock brings a profile up at once; held, its link goes through the states a
// modem's or a VPN's does, and only an activated one is up.
TEST_F(networkmanager_dialer_test, a_link_counts_as_up_only_while_activated) {
    start_program();
    mock.hold_activations();
    p->click(p->main().b_connect);
    ASSERT_TRUE(settle([&] { return mock.active_connections().size() == 1; }));
    const std::string link = mock.active_connections()[0];
    settle([steps = 0]() mutable { return ++steps > 50; });  // the news of it arrives
    EXPECT_EQ(dialer->connection_state(), 1) << "activating";
    EXPECT_EQ(p->log_texts(), std::vector<std::string>{" Dialing MyISP (pass #1)"});

    mock.set_link_state(link, 2);
    ASSERT_TRUE(settle([&] { return dialer->is_connected(); }));
    EXPECT_EQ(dialer->connection_state(), ras_connected);
    mock.set_link_state(link, 3);
    EXPECT_TRUE(settle([&] { return log_count(" Connection dropped from MyISP") == 1; }))
        << "deactivating is down";
    EXPECT_NE(dialer->connection_state(), ras_connected);
}

TEST_F(networkmanager_dialer_test, the_update_button_opens_the_connection_editor_then_rereads) {
    start_program();
    const std::string editor = p->folder / "bin/nm-connection-editor";
    testing::write_file(editor, "");
    std::filesystem::permissions(editor, std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::add);
    testing::scoped_env path("PATH", (p->folder / "bin").c_str());
    mock.add_profile("Office", "vpn");
    settle([&] {
        dialer->refresh();
        return dialer->entry_count() == 2;
    });
    p->click(p->main().b_update_phonebook);
    ASSERT_EQ(p->fakes.started().size(), 1u);
    EXPECT_EQ(p->fakes.started()[0].application, editor);
    EXPECT_THAT(p->main().o_phonebook_list.items(), ElementsAre("MyISP", "Office"));
}

// What the program then says and does is the black-box first start's.
TEST(networkmanager_dialer, without_networkmanager_on_the_bus_there_is_no_remote_access) {
    testing::mock_network_manager bus_only(false);
    if (!bus_only.unavailable().empty()) GTEST_SKIP() << bus_only.unavailable();
    virtual_event_loop loop;
    EXPECT_FALSE(networkmanager_dialer(loop).ras_available());
}

}  // namespace
}  // namespace tw
