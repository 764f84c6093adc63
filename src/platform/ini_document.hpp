#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tw {

// The text of one INI file held in memory, read and edited with the
// private-profile rules that files written by other programs rely on:
//  - section and key names match without regard to case; blanks and tabs
//    around names and values are ignored, inner blanks are kept;
//    a "[name] trailing" line is section "name";
//  - a line splits at its first '='; a line without '=' is no key but is kept;
//    lines starting with ';' are comments and kept; '#' is not a comment;
//  - of duplicate sections or keys the first is read and the first updated;
//  - a new key goes after the last key of its section, a new section at the
//    end of the file; deleting a key removes its line, the header stays;
//  - untouched lines keep their bytes; new lines end in CR LF; LF-only files,
//    a missing final newline and a UTF-8 byte-order mark are handled;
//  - values are never unquoted: a value reads back exactly as written.
class ini_document {
public:
    // Longest value a read returns; longer stored values are cut.
    static constexpr std::size_t max_value_length = 254;

    ini_document() = default;
    explicit ini_document(std::string bytes);

    // The file's bytes as they should be written.
    const std::string& bytes() const;

    // The value of `key` in `section`, cut to 254 characters; "" when the
    // section or key is missing or the value is empty.
    std::string read(std::string_view section, std::string_view key) const;

    // Stores `value` under `key` (std::nullopt deletes the key's line).
    // Returns false when the document did not change.
    bool write(std::string_view section, std::string_view key,
               const std::optional<std::string>& value);

private:
    std::string bytes_;
    // implementation's choice (an index of lines, sections and keys)
};

}  // namespace tw
