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
    struct read_case {
        const char* name;
        std::string bytes;
        const char* section;
        const char* key;
        const char* expected;
    };
    const read_case cases[] = {
        {"names ignore case", "[Tasks]\r\nTask0=a\r\n", "tASKS", "TASK0", "a"},
        {"blanks around names and values", " [ Start Time ]\t\n \tkey one \t= a  b \t\n",
         "Start Time", "key one", "a  b"},
        {"text after a header", "[s] trailing\nk=1\n", "s", "k", "1"},
        {"empty value", "[s]\nk=\n", "s", "k", ""},
        {"missing key", "[s]\nk=1\n", "s", "j", ""},
        {"missing section", "[s]\nk=1\n", "t", "k", ""},
        {"first '=' splits", "[s]\nk=a=b\n", "s", "k", "a=b"},
        {"';' starts a comment", "[s]\n  ;k=1\nk=2\n", "s", "k", "2"},
        {"'#' starts a key", "[s]\n#x=1\n", "s", "#x", "1"},
        {"first of duplicate keys", "[s]\nk=1\nK=2\n", "s", "k", "1"},
        {"first of duplicate sections", "[s]\nk=1\n[S]\nk=2\nj=3\n", "s", "k", "1"},
        {"keys of a repeated section", "[s]\nk=1\n[S]\nk=2\nj=3\n", "s", "j", ""},
        {"quotes are kept", "[s]\np=\"c:\\my files\\report.txt\"\n", "s", "p",
         "\"c:\\my files\\report.txt\""},
        {"no final newline", "[s]\nk=1", "s", "k", "1"},
        {"byte-order mark", bom + "[s]\r\nk=1\r\n", "s", "k", "1"},
        {"keys before any section", "k=1\n[s]\n", "s", "k", ""},
        {"'[' without ']' is no header", "[s]\n[t\nk=1\n", "s", "k", "1"},
        {"damaged lines", "[s]\n" + junk + "k=1\n", "s", "k", "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ini_document document(c.bytes);
        EXPECT_EQ(document.read(c.section, c.key), c.expected);
        EXPECT_EQ(document.bytes(), c.bytes);
    }
}

TEST(ini_document, cuts_long_values_without_splitting_a_character) {
    const std::string accented = std::string(253, 'a') + "\xC3\xA9" + "tail";
    EXPECT_EQ(ini_document("[s]\nk=" + std::string(300, 'v')).read("s", "k"),
              std::string(254, 'v'));
    EXPECT_EQ(ini_document("[s]\nk=" + accented).read("s", "k"), std::string(253, 'a'));
}

TEST(ini_document, writes_only_the_lines_it_must) {
    struct write_case {
        const char* name;
        std::string before;
        const char* section;
        const char* key;
        std::optional<std::string> value;
        std::string after;
    };
    const write_case cases[] = {
        {"update keeps the other bytes and the line's layout", "; top\n[s]\nk=1\nj = old \n", "s",
         "J", "new", "; top\n[s]\nk=1\nj = new\r\n"},
        {"equal value", "[s]\nk=1\n", "s", "k", "1", "[s]\nk=1\n"},
        {"new key after the last key line", "[s]\nk=1\n\n; note\n[t]\n", "s", "n", "2",
         "[s]\nk=1\nn=2\r\n\n; note\n[t]\n"},
        {"new key after a header without keys", "[s]\n; c\n[t]\n", "s", "n", "2",
         "[s]\nn=2\r\n; c\n[t]\n"},
        {"new key after a last line without newline", "[s]\nk=1", "s", "n", "2",
         "[s]\nk=1\r\nn=2\r\n"},
        {"new section at the end", "[s]\nk=1", "t", "n", "2", "[s]\nk=1\r\n[t]\r\nn=2\r\n"},
        {"empty document", "", "s", "k", "v", "[s]\r\nk=v\r\n"},
        {"byte-order mark stays first", bom + "[s]", "s", "k", "1", bom + "[s]\r\nk=1\r\n"},
        {"first duplicate key", "[s]\nk=1\nk=2\n", "s", "K", "3", "[s]\nk=3\r\nk=2\n"},
        {"first duplicate section", "[s]\na=1\n[s]\nb=2\n", "S", "b", "3",
         "[s]\na=1\nb=3\r\n[s]\nb=2\n"},
        {"blanks around names and value", "[s]\nk=1\n", " S\t", " K ", " 2 ", "[s]\nk=2\r\n"},
        {"quotes are stored as given", "", "s", "p", "\"c:\\my files\\x.txt\"",
         "[s]\r\np=\"c:\\my files\\x.txt\"\r\n"},
        {"delete keeps the header", "[s]\r\nk=1\r\n", "s", "k", std::nullopt, "[s]\r\n"},
        {"delete a missing key", "[s]\nk=1\n", "s", "j", std::nullopt, "[s]\nk=1\n"},
        {"delete in a missing section", "[s]\nk=1\n", "t", "k", std::nullopt, "[s]\nk=1\n"},
        {"damaged lines survive", "[s]\n" + junk + "k=1\n", "s", "k", "2",
         "[s]\n" + junk + "k=2\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ini_document document(c.before);
        EXPECT_EQ(document.write(c.section, c.key, c.value), c.after != c.before);
        EXPECT_EQ(document.bytes(), c.after);
    }
}

TEST(ini_document, edits_keep_reads_and_insert_points_in_step) {
    ini_document document("[s]\nk=1\nk=2\nj=3\n; end\n");
    document.write("s", "k", std::nullopt);
    EXPECT_EQ(document.read("s", "k"), "2");  // the next duplicate takes over
    document.write("s", "j", std::nullopt);
    document.write("s", "n", "4");
    EXPECT_EQ(document.bytes(), "[s]\nk=2\nn=4\r\n; end\n");
    document.write("s", "k", std::nullopt);
    document.write("s", "n", std::nullopt);
    document.write("s", "m", "5");
    EXPECT_EQ(document.bytes(), "[s]\nm=5\r\n; end\n");
}

TEST(ini_document, refuses_what_a_line_cannot_hold) {
    const std::string before = "[s]\nk=1\n";
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"s", "k", "a\nb"}, {"s\n", "k", "v"}, {"s", "k\r", "v"}, {"a]b", "k", "v"},
        {"s", "a=b", "v"},  {"s", ";k", "v"},  {"s", " [k", "v"},
    };
    for (const auto& [section, key, value] : cases) {
        ini_document document(before);
        EXPECT_THROW(document.write(section, key, value), std::invalid_argument) << section << key;
        EXPECT_EQ(document.bytes(), before);
    }
}

TEST(ini_document, copies_are_independent) {
    const ini_document original("[s]\nk=1\n");
    ini_document copy(original);
    copy.write("s", "k", "2");
    copy.write("s", "n", "3");
    ini_document assigned;
    assigned = copy;
    assigned.write("s", "k", std::nullopt);
    EXPECT_EQ(original.bytes(), "[s]\nk=1\n");
    EXPECT_EQ(copy.bytes(), "[s]\nk=2\r\nn=3\r\n");
    EXPECT_EQ(assigned.bytes(), "[s]\nn=3\r\n");
}

TEST(ini_document, keys_inserted_across_sections_read_back_after_a_fresh_parse) {
    const char* sections[] = {"Tasks",     "Parameters", "Start Time",
                              "Stop Time", "Interval",   "Enabled"};
    const auto value = [](const char* section, int key) { return section + std::to_string(key); };
    ini_document written;
    for (int key = 0; key < 2'000; ++key) {
        for (const char* section : sections) {
            written.write(section, "key" + std::to_string(key), value(section, key));
        }
    }
    const ini_document parsed(written.bytes());
    for (int key = 0; key < 2'000; ++key) {
        for (const char* section : sections) {
            ASSERT_EQ(parsed.read(section, "KEY" + std::to_string(key)), value(section, key));
        }
    }
}

}  // namespace
}  // namespace tw
