#pragma once

#include <string>

#include "test_program.hpp"

namespace tw::testing {

// A started program at 09:00:00 with the entry "Office" chosen and a time-out
// and retry count typed, ready to dial.
struct dialing_program : test_program {
    explicit dialing_program(const std::string& office_keys = "", std::string command_line = "",
                             std::string timeout = "10", std::string retries = "3")
        : test_program({.phone_book = "[Office]\r\n" + office_keys, .command_line = command_line}) {
        loop.set_now(make_wall_time(2026, 12, 6, 9, 0, 0));
        start_up();
        main().o_phonebook_list.set_text("Office");
        main().o_timeout.set_text(timeout);
        main().o_retry_count.set_text(retries);
    }
    void connect_and_wait() {
        click(main().b_connect);
        run_until([this] { return dialer.is_connected(); }, 60);
    }
    // The "hh:mm:ss" of log line `index`.
    std::string time_of_line(int index) const { return prog.main.o_log.item(index).substr(13, 8); }
};

}  // namespace tw::testing
