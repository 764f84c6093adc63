#include "connection/dialers/simulated_dialer.hpp"

#include <gtest/gtest.h>

#include "platform/text_encoding.hpp"
#include "temp_folder.hpp"
#include "toolkit/virtual_event_loop.hpp"

namespace tw {
namespace {

// A simulated dialer on a phone book of its own, recording its events.
struct dialer_fixture {
    testing::temp_folder folder;
    virtual_event_loop loop;
    std::string book = folder / "ras/rasphone.pbk";
    std::vector<std::string> events;
    simulated_dialer d;

    explicit dialer_fixture(const std::string& phone_book)
        : d(loop, (testing::write_file(book, phone_book), book)) {
        d.state_changed.connect(
            [&] { events.push_back("changed " + std::to_string(d.connection_state())); });
        d.state_notice.connect(
            [&](long) { events.push_back("notice " + std::to_string(d.connection_state())); });
    }
};

TEST(simulated_dialer, lists_each_entry_once_in_file_order_and_none_without_a_file) {
    dialer_fixture f(
        "; entries\r\n[Office]\r\nSimulatedResult=no-answer\r\n[ MyISP ]\n[office]\n[Home");
    ASSERT_EQ(f.d.entry_count(), 2);
    EXPECT_EQ(f.d.entry_name_at(0), "Office");
    EXPECT_EQ(f.d.entry_name_at(1), "MyISP");
    EXPECT_THROW(f.d.entry_name_at(2), std::out_of_range);
    f.d.set_phonebook(f.folder / "missing.pbk");
    EXPECT_EQ(f.d.entry_count(), 0);
    f.d.hang_up();
    f.loop.run_for(1);
    EXPECT_TRUE(f.events.empty()) << "hanging up without a line reports nothing";
}

// An editor's "Unicode" or BOM-marked save is read as every INI file is.
TEST(simulated_dialer, reads_a_phone_book_with_a_byte_order_mark_or_in_utf_16) {
    const std::string text = "[MyISP]\r\nSimulatedConnectSeconds=1\r\n[Office]\r\n";
    for (const auto encoding :
         {text_encoding::utf8_bom, text_encoding::utf16le, text_encoding::utf16be}) {
        const bool utf16 = encoding != text_encoding::utf8_bom;
        dialer_fixture f(
            std::string(byte_order_mark(encoding)) +
            (utf16 ? utf16_from_utf8(text, encoding == text_encoding::utf16be) : text));
        ASSERT_EQ(f.d.entry_count(), 2);
        EXPECT_EQ(f.d.entry_name_at(0), "MyISP");
        f.d.set_entry_name("MyISP");
        f.d.dial_entry();
        f.loop.run_for(1.1);
        EXPECT_TRUE(f.d.is_connected());
    }
}

TEST(simulated_dialer, no_answer_unknown_entries_and_bad_numbers) {
    dialer_fixture f(
        "[Office]\r\nSimulatedResult=no-answer\r\n"
        "[MyISP]\r\nSimulatedConnectSeconds=soon\r\nSimulatedDropSeconds=-4\r\n"
        "[Far]\r\nSimulatedConnectSeconds=1e300\r\n[Endless]\r\nSimulatedConnectSeconds=inf\r\n");
    for (const char* entry : {"Office", "Nowhere", "Far"}) {
        f.d.set_entry_name(entry);
        f.d.dial_entry();
        f.loop.run_for(600);
        EXPECT_FALSE(f.d.is_connected()) << entry;
    }
    f.d.set_entry_name("MyISP");
    f.d.dial_entry();
    f.loop.run_for(3.1);
    EXPECT_TRUE(f.d.is_connected()) << "a bad number of seconds means the default 3";
    f.loop.run_for(3600);
    EXPECT_TRUE(f.d.is_connected()) << "and a bad drop time never drops";
    f.d.hang_up();
    f.d.set_entry_name("Endless");
    f.d.dial_entry();
    f.loop.run_for(3.1);
    EXPECT_TRUE(f.d.is_connected()) << "an endless number is no number";
}

}  // namespace
}  // namespace tw
