#include "platform/ini_document.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tw {
namespace {

using namespace std::string_literals;

const std::string bom = "\xEF\xBB\xBF";
const std::string junk =
    "\xFF\xFE\0\0\x01junk\n"s + std::string(100'000, 'x') + "\n[broken\nno equals sign\n";

TEST(ini_document, reads_values_and_keeps_the_bytes) {
    const std::tuple<const char*, std::string, const char*, const char*, const char*> cases[] = {
        {"names ignore case", "[Tasks]\r\nTask0=a\r\n", "tASKS", "TASK0", "a"},
        {"blanks trimmed", " [ Start Time ]\t\n \tkey one \t= a  b \t\n", "Start Time", "key one",
         "a  b"},
        {"text after a header", "[s] trailing\nk=1\n", "s", "k", "1"},
        {"first '=' splits", "[s]\nk=a=b\n", "s", "k", "a=b"},
        {"';' starts a comment", "[s]\n  ;k=1\nk=2\n", "s", "k", "2"},
        {"'#' starts a key", "[s]\n#x=1\n", "s", "#x", "1"},
        {"first of duplicate keys", "[s]\nk=1\nK=2\n", "s", "k", "1"},
        {"first of duplicate sections", "[s]\nk=1\n[S]\nk=2\nj=3\n", "s", "k", "1"},
        {"keys of a repeated section", "[s]\nk=1\n[S]\nk=2\nj=3\n", "s", "j", ""},
        {"quotes are kept", "[s]\np=\"c:\\my files\\a.txt\"\n", "s", "p",
         "\"c:\\my files\\a.txt\""},
        {"no final newline", "[s]\nk=1", "s", "k", "1"},
        {"keys before any section", "k=1\n[s]\n", "s", "k", ""},
        {"'[' without ']' is no header", "[s]\n[t\nk=1\n", "s", "k", "1"},
        {"bare CR ends a line", "[s]\rk=1\r[t]\rk=2\r", "t", "k", "2"},
        {"mixed line ends", "[s]\r\na=1\rk=2\n", "s", "k", "2"},
    };
    for (const auto& [name, bytes, section, key, expected] : cases) {
        const ini_document document(bytes);
        EXPECT_EQ(document.read(section, key), expected) << name;
        EXPECT_EQ(document.bytes(), bytes) << name;
    }
    // Long values are cut to 254 bytes, never inside a UTF-8 character.
    EXPECT_EQ(ini_document("[s]\nk=" + std::string(300, 'v')).read("s", "k"),
              std::string(254, 'v'));
    for (const std::string character : {"\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80"}) {
        const std::string before(255 - character.size(), 'a');  // the character ends at 255
        EXPECT_EQ(ini_document("[s]\nk=" + before + character).read("s", "k"), before)
            << character.size() << " bytes";
    }
    // A cut that ends in blanks reads as a write of the value would store it.
    ini_document blanks_at_cut("[s]\nk=" + std::string(250, 'a') + std::string(10, ' ') + "z");
    const std::string cut = blanks_at_cut.read("s", "k");
    blanks_at_cut.write("s", "k", cut);
    EXPECT_EQ(blanks_at_cut.read("s", "k"), cut);
}

TEST(ini_document, writes_only_the_lines_it_must) {
    using write_case = std::tuple<const char*, std::string, const char*, const char*,
                                  std::optional<std::string>, std::string>;
    const write_case cases[] = {
        {"update keeps the layout", "; top\n[s]\nk=1\nj = old \n", "s", "J", "new",
         "; top\n[s]\nk=1\nj = new\r\n"},
        {"equal value", "[s]\nk=1\n", "s", "k", "1", "[s]\nk=1\n"},
        {"after the last key", "[s]\nk=1\n\n; note\n[t]\n", "s", "n", "2",
         "[s]\nk=1\nn=2\r\n\n; note\n[t]\n"},
        {"after a header without keys", "[s]\n; c\n[t]\n", "s", "n", "2", "[s]\nn=2\r\n; c\n[t]\n"},
        {"after a last line without newline", "[s]\nk=1", "s", "n", "2", "[s]\nk=1\r\nn=2\r\n"},
        {"new section at the end", "[s]\nk=1", "t", "n", "2", "[s]\nk=1\r\n[t]\r\nn=2\r\n"},
        {"quotes stored as given", "", "s", "p", "\"c:\\my files\\x.txt\"",
         "[s]\r\np=\"c:\\my files\\x.txt\"\r\n"},
        {"byte-order mark stays first", bom + "[s]", "s", "k", "1", bom + "[s]\r\nk=1\r\n"},
        {"first duplicate key", "[s]\nk=1\nk=2\n", "s", "K", "3", "[s]\nk=3\r\nk=2\n"},
        {"first of duplicate sections", "[s]\na=1\n[s]\nb=2\n", "S", "b", "3",
         "[s]\na=1\nb=3\r\n[s]\nb=2\n"},
        {"blanks around names and value", "[s]\nk=1\n", " S\t", " K ", " 2 ", "[s]\nk=2\r\n"},
        {"delete keeps the header", "[s]\r\nk=1\r\n", "s", "k", std::nullopt, "[s]\r\n"},
        {"delete in a missing section", "[s]\nk=1\n", "t", "k", std::nullopt, "[s]\nk=1\n"},
        {"key after the right section of a CR file", "[s]\rk=1\r[t]\r", "s", "n", "2",
         "[s]\rk=1\rn=2\r\n[t]\r"},
        {"damaged lines", "[s]\n" + junk + "k=1\n", "s", "k", "2", "[s]\n" + junk + "k=2\r\n"},
    };
    for (const auto& [name, before, section, key, value, after] : cases) {
        ini_document document(before);
        EXPECT_EQ(document.write(section, key, value), after != before) << name;
        EXPECT_EQ(document.bytes(), after) << name;
    }
}

TEST(ini_document, edits_keep_reads_insert_points_and_copies_in_step) {
    ini_document document("[s]\nk=1\nk=2\nj=3\n; end\n");
    const ini_document original(document);
    document.write("s", "k", std::nullopt);
    EXPECT_EQ(document.read("s", "k"), "2");  // the next duplicate takes over
    document.write("s", "j", std::nullopt);
    document.write("s", "n", "4");
    EXPECT_EQ(document.bytes(), "[s]\nk=2\nn=4\r\n; end\n");
    ini_document assigned;
    assigned = document;
    document.write("s", "k", std::nullopt);
    document.write("s", "n", std::nullopt);
    document.write("s", "m", "5");
    EXPECT_EQ(document.bytes(), "[s]\nm=5\r\n; end\n");
    assigned.write("s", "k", "9");
    EXPECT_EQ(assigned.bytes(), "[s]\nk=9\r\nn=4\r\n; end\n");
    EXPECT_EQ(original.bytes(), "[s]\nk=1\nk=2\nj=3\n; end\n");
    ini_document interleaved;
    for (const char* key : {"a", "b"})
        for (const char* section : {"s", "t"}) interleaved.write(section, key, key);
    EXPECT_EQ(interleaved.bytes(), "[s]\r\na=a\r\nb=b\r\n[t]\r\na=a\r\nb=b\r\n");
}

// A file in UTF-16 as an editor saves it, byte-order mark first.
std::string utf16(std::u16string_view text, bool big_endian) {
    const std::u16string units = u"\uFEFF" + std::u16string(text);
    std::string bytes;
    for (const char16_t unit : units) {
        const char high = char(unit >> 8), low = char(unit & 0xFF);
        bytes += big_endian ? high : low;
        bytes += big_endian ? low : high;
    }
    return bytes;
}

TEST(ini_document, reads_utf16_and_writes_it_back_as_utf16) {
    for (const bool big_endian : {false, true}) {
        // A lone surrogate and an emoji on lines the edit does not touch.
        ini_document document(
            utf16(u"; \xD800 \U0001F600\r\n[Current]\r\nName=Zo\u00EB\r\nTimeout=45", big_endian));
        EXPECT_EQ(document.read("current", "name"), "Zo\xC3\xAB") << big_endian;
        EXPECT_EQ(document.read("Current", "Timeout"), "45");
        document.write("Current", "Timeout", "60");
        document.write("Current", "Browser", "/usr/bin/\xC3\xA9");
        EXPECT_EQ(document.bytes(), utf16(u"; \xD800 \U0001F600\r\n[Current]\r\nName=Zo\u00EB\r\n"
                                          u"Timeout=60\r\nBrowser=/usr/bin/\u00E9\r\n",
                                          big_endian));
        // A Linux file name need not be UTF-8: the file turns UTF-8 rather than lose it.
        document.write("Current", "Odd", "/a\xFF");
        EXPECT_EQ(document.bytes(),
                  "\xEF\xBB\xBF; \xED\xA0\x80 \xF0\x9F\x98\x80\r\n[Current]\r\nName=Zo\xC3\xAB\r\n"
                  "Timeout=60\r\nBrowser=/usr/bin/\xC3\xA9\r\nOdd=/a\xFF\r\n");
        EXPECT_EQ(ini_document(document.bytes()).read("Current", "Odd"), "/a\xFF");
    }
    ini_document fresh(utf16(u"", false));
    fresh.write("s", "k", "1");
    EXPECT_EQ(fresh.bytes(), utf16(u"[s]\r\nk=1\r\n", false)) << "a file of just the mark";
}

TEST(ini_document, refuses_what_a_line_cannot_hold) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"s", "k", "a\nb"}, {"s\n", "k", "v"}, {"s", "k\r", "v"}, {"a]b", "k", "v"},
        {"s", "a=b", "v"},  {"s", ";k", "v"},  {"s", " [k", "v"},
    };
    for (const auto& [section, key, value] : cases) {
        ini_document document("[s]\nk=1\n");
        EXPECT_THROW(document.write(section, key, value), std::invalid_argument) << section << key;
        EXPECT_EQ(document.bytes(), "[s]\nk=1\n");
    }
}

}  // namespace
}  // namespace tw
