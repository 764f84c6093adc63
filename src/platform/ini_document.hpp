#pragma once

#include <cstdint>
#include <initializer_list>
#include <list>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/text_encoding.hpp"

namespace tw {

// The text of one INI file held in memory, read and edited with the
// rules of the classic INI functions, which files written by other programs rely on:
//  - section and key names match without regard to case; blanks and tabs
//    around names and values are ignored, inner blanks are kept;
//    a "[name] trailing" line is section "name";
//  - a line splits at its first '='; a line without '=' is no key but is kept;
//    lines starting with ';' are comments and kept; '#' is not a comment;
//  - of duplicate sections or keys the first is read and the first updated;
//  - a new key goes after the last key of its section, a new section at the
//    end of the file; deleting a key removes its line, the header stays;
//  - untouched lines keep their bytes; new lines end in CR LF; lines ending in
//    LF or a bare CR and a missing final newline are handled;
//  - a file is UTF-8 (or bytes in any other 8-bit set), or UTF-8 or UTF-16 (LE
//    or BE) after a byte-order mark, and is written back as it came; names and
//    values are UTF-8 on this side; a UTF-16 file given bytes that are no
//    UTF-8 (a file name on Linux may hold any) is written as UTF-8 with a mark;
//  - values are never unquoted: a value reads back exactly as written.
class ini_document {
public:
    // Longest value a read returns; longer stored values are cut.
    static constexpr std::size_t max_value_length = 254;

    ini_document() = default;
    explicit ini_document(std::string bytes);
    ini_document(const ini_document& other);
    ini_document& operator=(const ini_document& other);
    ini_document(ini_document&&) = default;
    ini_document& operator=(ini_document&&) = default;
    ~ini_document() = default;

    // The file's bytes as they should be written.
    const std::string& bytes() const;

    // The value of `key` in `section`, cut to 254 characters; "" when the
    // section or key is missing or the value is empty.
    std::string read(std::string_view section, std::string_view key) const;

    // Stores `value` under `key` (std::nullopt deletes the key's line).
    // Returns false when the document did not change.
    // Throws std::invalid_argument for what a line cannot hold: a line break
    // anywhere, ']' in a section name, '=' in a key, a key starting with ';' or '['.
    bool write(std::string_view section, std::string_view key,
               const std::optional<std::string>& value);

    // The names of the sections in file order, each once, as its first
    // header spells it.
    std::vector<std::string> section_names() const;

    // Removes every key line of `section`, duplicates included; its header,
    // comments and other lines stay. Returns false when there was none.
    bool clear_section(std::string_view section);

private:
    enum class line_end : std::uint8_t { none, lf, crlf, cr };
    struct line {
        std::string text;  // without its line end
        line_end end;
    };
    using line_list = std::list<line>;
    using line_iter = line_list::iterator;

    // Names compare ASCII case-insensitively, without building lower-cased copies.
    struct name_hash {
        using is_transparent = void;
        // Not noexcept: the standard library then keeps each node's hash, so a lookup
        // walking a bucket does not re-hash the neighbours' keys.
        std::size_t operator()(std::string_view name) const;
    };
    struct name_equal {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const noexcept;
    };
    template <class T>
    using name_map = std::unordered_map<std::string, T, name_hash, name_equal>;

    struct key_entry {
        line_iter line;           // the first line with this key
        bool duplicated = false;  // a later line of the section has the same key
    };
    struct section {
        line_iter header;
        line_iter last_key;  // new keys go after it; the header while the section has none
        name_map<key_entry> keys;
    };

    bool is_utf16() const;
    // Turns a UTF-16 file into UTF-8 (with its mark) when one of `texts` has
    // bytes UTF-16 cannot hold, so no byte written is lost.
    void make_room_for(std::initializer_list<std::string_view> texts);
    void append_lines(std::string& text) const;
    section* index_line(line_iter at, section* current);
    bool store(std::string_view section_name, std::string_view key, std::string_view value);
    bool erase(std::string_view section_name, std::string_view key);
    void insert_key(section& into, std::string_view key, std::string_view value);
    void append_section(std::string_view section_name, std::string_view key,
                        std::string_view value);
    line_iter next_with_key(line_iter from, std::string_view key);

    // The index holds iterators into lines_: copies re-parse, moves keep them valid.
    text_encoding encoding_ = text_encoding::utf8;
    line_list lines_;
    name_map<section> sections_;  // the first section of each name; repeats stay unindexed
    mutable std::string bytes_;   // rebuilt from lines_ on the first bytes() after an edit
    mutable bool bytes_stale_ = false;
};

}  // namespace tw
