#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tw {

// How a text file is stored, told by its byte-order mark. Editors save
// "Unicode" files as UTF-16 with a mark; the program works on UTF-8 inside
// and writes a file back as it found it.
enum class text_encoding : std::uint8_t { utf8, utf8_bom, utf16le, utf16be };

// The encoding the mark at the start of `bytes` names; utf8 without a mark.
text_encoding encoding_of(std::string_view bytes);

// The mark that starts a file in `encoding` ("" for utf8).
std::string_view byte_order_mark(text_encoding encoding);

// UTF-16 text (no mark) as UTF-8. A surrogate without its partner keeps
// its own three bytes, so every even-length text comes back from
// utf16_from_utf8() unchanged; an odd last byte reads as U+FFFD.
std::string utf8_from_utf16(std::string_view bytes, bool big_endian);

// UTF-8 text as UTF-16 (no mark). Bytes that are no UTF-8 become U+FFFD.
std::string utf16_from_utf8(std::string_view text, bool big_endian);

// Whether utf16_from_utf8() keeps every character of `text`: it is UTF-8,
// where a surrogate written on its own counts as utf8_from_utf16() writes one.
bool utf16_can_hold(std::string_view text);

}  // namespace tw
