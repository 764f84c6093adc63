#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "dialing_program.hpp"

namespace tw {
namespace {

using testing::dialing_program;

// The fields of the connection ledger's rows after its header.
std::vector<std::vector<std::string>> rows(const std::string& csv) {
    std::vector<std::vector<std::string>> found;
    std::istringstream lines(csv);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "entry,start,end,seconds,how it ended,bytes received,bytes sent\r");
    while (std::getline(lines, line)) {
        std::vector<std::string> fields;
        std::istringstream split(line.substr(0, line.size() - 1) + ",");
        for (std::string field; std::getline(split, field, ',');) fields.push_back(field);
        found.push_back(fields);
    }
    return found;
}

// A line up at 09:00:03 for ten seconds.
void up_for_ten_seconds(dialing_program& p) {
    p.connect_and_wait();
    p.run_for(10);
}

// Each way a connection ends gives its row, on the way out too. The simulated
// dialer's line carries no data; a simulated session has no line to count.
TEST(connection_ledger, every_connection_gets_one_row_saying_how_it_ended) {
    const struct {
        const char* how;
        std::string entry_keys;
        std::function<void(dialing_program&)> run;
        const char *started, *ended, *seconds, *bytes;
    } cases[] = {
        {"hang-up", "",
         [](auto& p) {
             up_for_ten_seconds(p);
             p.click(p.main().b_disconnect);
         },
         "09:00:03", "09:00:13", "10.0", "0"},
        {"after last task", "",
         [](auto& p) {
             p.main().o_disconnect_after_last_task.set_value(1);
             p.connect_and_wait();
         },
         "09:00:03", "09:00:03", "0.0", "0"},
        {"countdown", "",
         [](auto& p) {
             up_for_ten_seconds(p);
             p.main().o_disconnect_in_minutes.set_text("1");
         },
         "09:00:03", "09:01:13", "70.6", "0"},
        {"daily hang-up", "",
         [](auto& p) {
             up_for_ten_seconds(p);
             p.main().o_specific_disconnect.set_text("09:01");
             p.main().o_user_specific_time.set_value(1);
         },
         "09:00:03", "09:01:00", "57.0", "0"},
        {"line drop", "SimulatedDropSeconds=10\r\n", up_for_ten_seconds, "09:00:03", "09:00:14",
         "11.0", "0"},
        {"program end", "",
         [](auto& p) {
             up_for_ten_seconds(p);
             p.shutdown();
         },
         "09:00:03", "09:00:13", "10.0", "0"},
        {"line drop", "",
         [](auto& p) {
             p.main().o_simulated_connection.set_value(1);
             p.dialogs.expect_message("You are simulating a connection.");
             p.click(p.main().b_connect);
         },
         "09:00:00", "09:00:01", "1.0", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.how) + " " + c.bytes);
        dialing_program p(c.entry_keys);
        c.run(p);
        p.run_for(90);
        const auto found = rows(p.file("logs/connections.csv"));
        ASSERT_EQ(found.size(), 1u);
        EXPECT_THAT(found[0], ::testing::ElementsAre(
                                  "Office", "2026-12-06T" + std::string(c.started) + "+00:00",
                                  "2026-12-06T" + std::string(c.ended) + "+00:00", c.seconds, c.how,
                                  c.bytes, c.bytes));
    }
}

}  // namespace
}  // namespace tw
