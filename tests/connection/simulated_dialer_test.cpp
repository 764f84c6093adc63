#include "connection/dialers/simulated_dialer.hpp"

#include <gtest/gtest.h>

#include "connection/dialers/make_dialer.hpp"
#include "temp_folder.hpp"
#include "toolkit/virtual_event_loop.hpp"

namespace tw {
namespace {

struct dialer_fixture {
    testing::temp_folder folder;
    virtual_event_loop loop;
    std::string book = folder / "ras/rasphone.pbk";
    std::vector<std::string> events;

    explicit dialer_fixture(const std::string& phone_book) { testing::write_file(book, phone_book); }

    void listen(dialer& d) {
        d.state_changed.connect([&] { events.push_back("changed " + std::to_string(d.connection_state())); });
        d.state_notice.connect([&](long) { events.push_back("notice " + std::to_string(d.connection_state())); });
    }
};

TEST(simulated_dialer, lists_the_entries_in_file_order_and_follows_a_new_phone_book) {
    dialer_fixture f("; entries\r\n[Office]\r\nSimulatedResult=no-answer\r\n[ MyISP ]\n[office]\n[Home");
    simulated_dialer d(f.loop, f.book);
    ASSERT_EQ(d.entry_count(), 2);
    EXPECT_EQ(d.entry_name_at(0), "Office");
    EXPECT_EQ(d.entry_name_at(1), "MyISP");
    EXPECT_THROW(d.entry_name_at(2), std::out_of_range);

    testing::write_file(f.folder / "other.pbk", "[Work]\r\n");
    d.set_phonebook(f.folder / "other.pbk");
    ASSERT_EQ(d.entry_count(), 1);
    EXPECT_EQ(d.entry_name_at(0), "Work");
    d.set_phonebook(f.folder / "missing.pbk");
    EXPECT_EQ(d.entry_count(), 0);
}

TEST(simulated_dialer, connects_after_the_set_seconds_then_drops_when_told) {
    dialer_fixture f("[MyISP]\r\nSimulatedConnectSeconds=2\r\nSimulatedDropSeconds=10\r\n");
    simulated_dialer d(f.loop, f.book);
    f.listen(d);
    d.set_entry_name("myisp");
    d.load_entry();
    d.dial_entry();
    f.loop.run_for(1.9);
    EXPECT_FALSE(d.is_connected());
    f.loop.run_for(0.2);
    EXPECT_TRUE(d.is_connected());
    EXPECT_EQ(d.connection_state(), ras_connected);
    f.loop.run_for(10);
    EXPECT_FALSE(d.is_connected());
    EXPECT_EQ(f.events, (std::vector<std::string>{"changed 8192", "changed 8193", "notice 8193"}));
}

TEST(simulated_dialer, a_no_answer_entry_or_an_unknown_one_never_connects) {
    dialer_fixture f("[Office]\r\nSimulatedResult=no-answer\r\n");
    simulated_dialer d(f.loop, f.book);
    f.listen(d);
    for (const char* entry : {"Office", "Nowhere"}) {
        d.set_entry_name(entry);
        d.dial_entry();
        f.loop.run_for(600);
        EXPECT_FALSE(d.is_connected());
    }
    EXPECT_TRUE(f.events.empty());
}

TEST(simulated_dialer, hanging_up_reports_the_line_down_and_is_harmless_without_a_line) {
    dialer_fixture f("[MyISP]\r\nSimulatedConnectSeconds=1\r\n");
    simulated_dialer d(f.loop, f.book);
    f.listen(d);
    d.hang_up();
    f.loop.run_for(1);
    EXPECT_TRUE(f.events.empty());

    d.set_entry_name("MyISP");
    d.dial_entry();
    d.hang_up();  // during the dial: it never connects
    f.loop.run_for(5);
    EXPECT_EQ(f.events, (std::vector<std::string>{"notice 8193"}));

    d.dial_entry();
    f.loop.run_for(1.5);
    d.hang_up();
    f.loop.run_for(1);
    EXPECT_FALSE(d.is_connected());
    EXPECT_EQ(f.events.back(), "notice 8193");
}

TEST(simulated_dialer, bad_numbers_in_the_phone_book_fall_back_to_the_defaults) {
    dialer_fixture f("[MyISP]\r\nSimulatedConnectSeconds=soon\r\nSimulatedDropSeconds=-4\r\n");
    simulated_dialer d(f.loop, f.book);
    d.set_entry_name("MyISP");
    d.dial_entry();
    f.loop.run_for(3.1);
    EXPECT_TRUE(d.is_connected());
    f.loop.run_for(3600);
    EXPECT_TRUE(d.is_connected());
}

TEST(make_dialer, none_means_no_remote_access) {
    virtual_event_loop loop;
    EXPECT_FALSE(make_dialer("none", loop, "")->ras_available());
    EXPECT_TRUE(make_dialer(nullptr, loop, "")->ras_available());
    EXPECT_TRUE(make_dialer("simulated", loop, "")->ras_available());
}

}  // namespace
}  // namespace tw
