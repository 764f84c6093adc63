#include "platform/text_encoding.hpp"

#include <utility>

namespace tw {

namespace {

constexpr std::string_view utf8_mark = "\xEF\xBB\xBF", utf16le_mark = "\xFF\xFE",
                           utf16be_mark = "\xFE\xFF";
constexpr char32_t replacement = 0xFFFD;

bool is_high_surrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool is_low_surrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void append_utf8(std::string& text, char32_t c) {
    const auto put = [&](char32_t bits) { text += static_cast<char>(bits); };
    if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0 | (c >> 6));
        put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        put(0xE0 | (c >> 12));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    } else {
        put(0xF0 | (c >> 18));
        put(0x80 | ((c >> 12) & 0x3F));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    }
}

void append_unit(std::string& bytes, char32_t unit, bool big_endian) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += big_endian ? high : low;
    bytes += big_endian ? low : high;
}

// The code point `text` starts with and its length in bytes. A surrogate
// written on its own counts, as utf8_from_utf16() writes one; any other
// byte that starts no UTF-8 character is one U+FFFD.
std::pair<char32_t, std::size_t> next_code_point(std::string_view text) {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return {lead, 1};
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || text.size() < length) return {replacement, 1};
    char32_t c = lead & (0x7F >> length);
    for (std::size_t at = 1; at < length; ++at) {
        if ((byte(at) & 0xC0) != 0x80) return {replacement, 1};
        c = (c << 6) | (byte(at) & 0x3F);
    }
    constexpr char32_t shortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < shortest[length] || c > 0x10FFFF) return {replacement, 1};
    return {c, length};
}

}  // namespace

text_encoding encoding_of(std::string_view bytes) {
    if (bytes.starts_with(utf8_mark)) return text_encoding::utf8_bom;
    if (bytes.starts_with(utf16le_mark)) return text_encoding::utf16le;
    if (bytes.starts_with(utf16be_mark)) return text_encoding::utf16be;
    return text_encoding::utf8;
}

std::string_view byte_order_mark(text_encoding encoding) {
    switch (encoding) {
        case text_encoding::utf8_bom:
            return utf8_mark;
        case text_encoding::utf16le:
            return utf16le_mark;
        case text_encoding::utf16be:
            return utf16be_mark;
        case text_encoding::utf8:
            break;
    }
    return {};
}

std::string utf8_from_utf16(std::string_view bytes, bool big_endian) {
    const auto unit = [&](std::size_t at) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[2 * at]);
        const auto second = static_cast<unsigned char>(bytes[2 * at + 1]);
        return big_endian ? (first << 8 | second) : (second << 8 | first);
    };
    const std::size_t units = bytes.size() / 2;
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t at = 0; at < units; ++at) {
        char32_t c = unit(at);
        if (is_high_surrogate(c) && at + 1 < units && is_low_surrogate(unit(at + 1)))
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(++at) - 0xDC00);
        append_utf8(text, c);
    }
    if (bytes.size() % 2 != 0) append_utf8(text, replacement);
    return text;
}

std::string utf16_from_utf8(std::string_view text, bool big_endian) {
    std::string bytes;
    bytes.reserve(2 * text.size());
    while (!text.empty()) {
        const auto [c, length] = next_code_point(text);
        text.remove_prefix(length);
        if (c < 0x10000) {
            append_unit(bytes, c, big_endian);
        } else {
            append_unit(bytes, 0xD800 + ((c - 0x10000) >> 10), big_endian);
            append_unit(bytes, 0xDC00 + ((c - 0x10000) & 0x3FF), big_endian);
        }
    }
    return bytes;
}

bool utf16_can_hold(std::string_view text) {
    while (!text.empty()) {
        const auto [c, length] = next_code_point(text);
        if (c == replacement && length == 1) return false;
        text.remove_prefix(length);
    }
    return true;
}

}  // namespace tw
