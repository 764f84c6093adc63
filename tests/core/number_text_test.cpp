#include "core/number_text.hpp"

#include <gtest/gtest.h>

#include <string>

namespace tw {
namespace {

TEST(number_text, reads_the_number_at_the_start_of_the_text) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"120", 120}, {"03", 3},     {"  12", 12}, {"\t7", 7},  {"+3", 3},
        {"-2", -2},   {"1.5", 1.5},  {".5", 0.5},  {"5.", 5},   {"-0.25", -0.25},
        {"12 s", 12}, {"12abc", 12}, {"1 2", 1},   {"1e3", 1},  {"3.5.1", 3.5},
        {"", 0},      {"   ", 0},    {"abc", 0},   {"-", 0},    {".", 0},
        {"- 3", 0},   {"+-3", 0},    {"x12", 0},   {"0x10", 0}, {"-0", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(number_value(c.text), c.value) << '"' << c.text << '"';
}

TEST(number_text, huge_and_tiny_numbers_are_clamped_instead_of_overflowing) {
    const std::string digits(400, '9');
    EXPECT_EQ(number_value("99999999999999999999"), number_limit);
    EXPECT_EQ(number_value(digits), number_limit);
    EXPECT_EQ(number_value("-" + digits), -number_limit);
    EXPECT_EQ(number_value("0." + std::string(400, '0') + "1"), 0) << "below a double's range";
    EXPECT_EQ(number_value("1000000001"), number_limit);
    EXPECT_EQ(number_value("999999999"), 999999999);
}

TEST(number_text, writes_plain_decimals_that_read_back_as_the_same_value) {
    const std::pair<double, const char*> cases[] = {
        {2, "2"},
        {0, "0"},
        {-0.0, "0"},
        {-1, "-1"},
        {1.5, "1.5"},
        {-0.5, "-0.5"},
        {999999999, "999999999"},
        {1e12, "1000000000"},  // clamped like a read
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(number_text(value), text) << value;
    for (double value : {0.1 - 1, 1e-7, -3.25, 123456.789, 5e-324, number_limit - 1}) {
        const std::string text = number_text(value);
        EXPECT_EQ(text.find('e'), std::string::npos) << text;
        EXPECT_EQ(number_value(text), value) << text;
    }
}

}  // namespace
}  // namespace tw
