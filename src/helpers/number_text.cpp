#include "helpers/number_text.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace tw {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::size_t skip_digits(std::string_view text, std::size_t at) {
    while (at < text.size() && is_digit(text[at])) ++at;
    return at;
}

}  // namespace

double number_value(std::string_view text) {
    std::size_t at = text.find_first_not_of(" \t");
    if (at == std::string_view::npos) return 0;
    const bool negative = text[at] == '-';
    if (text[at] == '-' || text[at] == '+') ++at;
    const std::size_t start = at;
    at = skip_digits(text, at);
    const bool whole_digits = at > start;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fraction = at + 1;
        at = skip_digits(text, fraction);
        if (!whole_digits && at == fraction) return 0;  // a lone "."
    } else if (!whole_digits) {
        return 0;
    }
    double magnitude = 0;
    const std::string_view number = text.substr(start, at - start);
    const auto result = std::from_chars(number.data(), number.data() + number.size(), magnitude,
                                        std::chars_format::fixed);
    // Only digits and a point are left, so a failure is a value out of a
    // double's range: too large with a whole part above 0, else too small.
    if (result.ec != std::errc()) {
        const std::string_view whole = number.substr(0, number.find('.'));
        magnitude = whole.find_first_not_of('0') == std::string_view::npos ? 0 : number_limit;
    }
    magnitude = std::min(magnitude, number_limit);
    return negative ? -magnitude : magnitude;
}

bool digits_only(std::string_view text) { return skip_digits(text, 0) == text.size(); }

std::string number_text(double value) {
    value = std::clamp(value, -number_limit, number_limit);
    if (value == std::trunc(value)) return std::to_string(static_cast<long long>(value));
    // Long enough for the smallest fraction a double holds, written out.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace tw
