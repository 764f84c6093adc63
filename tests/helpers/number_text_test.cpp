#include "helpers/number_text.hpp"

#include <gtest/gtest.h>

#include <string>

namespace tw {
namespace {

TEST(number_text, reads_the_number_at_the_start_of_the_text_clamped_to_the_limit) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"120", 120},   {"  12", 12}, {"\t7", 7},   {"+3", 3},  {"-0.25", -0.25},
        {".5", 0.5},    {"5.", 5},    {"12 s", 12}, {"1 2", 1}, {"1e3", 1},
        {"3.5.1", 3.5}, {"", 0},      {"abc", 0},   {"-", 0},   {".", 0},
        {"- 3", 0},     {"+-3", 0},   {"0x10", 0},  {"-0", 0},  {"999999999", 999999999},
    };
    for (const auto& c : cases) EXPECT_EQ(number_value(c.text), c.value) << '"' << c.text << '"';
    const std::string nines(400, '9');
    EXPECT_EQ(number_value("1000000001"), number_limit);
    EXPECT_EQ(number_value(nines), number_limit);
    EXPECT_EQ(number_value("-" + nines), -number_limit);
    EXPECT_EQ(number_value("0." + std::string(400, '0') + "1"), 0) << "below a double's range";
}

TEST(number_text, writes_plain_decimals_that_read_back_as_the_same_value) {
    EXPECT_EQ(number_text(-0.0), "0");
    EXPECT_EQ(number_text(-0.5), "-0.5");
    EXPECT_EQ(number_text(1e12), "1000000000") << "clamped like a read";
    for (double value : {2.0, 0.1 - 1, 1e-7, 123456.789, 5e-324, number_limit - 1}) {
        const std::string text = number_text(value);
        EXPECT_EQ(text.find('e'), std::string::npos) << text;
        EXPECT_EQ(number_value(text), value) << text;
    }
}

}  // namespace
}  // namespace tw
