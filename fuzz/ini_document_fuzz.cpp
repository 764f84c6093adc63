// The INI document on any bytes: unedited bytes round-trip, and a read after a
// write gives back what was written (trimmed, cut at 254 characters, as a
// read of that value in a file written elsewhere would; a UTF-16 file given
// bytes that are no UTF-8 becomes UTF-8). The only exception is
// std::invalid_argument, for what a line cannot hold. Any even-length UTF-16
// text comes back byte for byte through UTF-8, so a rewrite of a UTF-16 file
// keeps its untouched lines.
#include <fuzzer/FuzzedDataProvider.h>

#include <stdexcept>

#include "platform/ini_document.hpp"
#include "platform/text_encoding.hpp"
#include "property_check.hpp"

using tw::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string bytes = input.ConsumeRandomLengthString(4096);
    for (const bool big_endian : {false, true})
        check(bytes.size() % 2 != 0 ||
              tw::utf16_from_utf8(tw::utf8_from_utf16(bytes, big_endian), big_endian) == bytes);
    tw::ini_document document(bytes);
    check(document.bytes() == bytes);
    while (input.remaining_bytes() > 0) {
        const std::string section = input.ConsumeRandomLengthString(16);
        const std::string key = input.ConsumeRandomLengthString(16);
        std::optional<std::string> value;
        if (input.ConsumeBool()) value = input.ConsumeRandomLengthString(300);
        try {
            document.write(section, key, value);
        } catch (const std::invalid_argument&) {
            continue;
        }
        // What was stored reads back as a fresh parse of the written bytes reads it.
        const std::string read = document.read(section, key);
        check(tw::ini_document(document.bytes()).read(section, key) == read);
        if (!value) continue;
        tw::ini_document again(document.bytes());
        again.write(section, key, read);
        check(again.read(section, key) == read);
    }
    return 0;
}
