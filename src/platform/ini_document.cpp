#include "platform/ini_document.hpp"

#include <algorithm>
#include <stdexcept>

namespace tw {
namespace {

constexpr std::string_view blanks = " \t";

char ascii_lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

std::string_view trim_blanks(std::string_view text) {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// "[name]" with anything after the ']'; a '[' without ']' is no header.
std::optional<std::string_view> header_name(std::string_view text) {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos || text[first] != '[') return std::nullopt;
    const auto close = text.find(']', first);
    if (close == std::string_view::npos) return std::nullopt;
    return trim_blanks(text.substr(first + 1, close - first - 1));
}

struct key_line {
    std::string_view key;
    std::string_view value;
    std::size_t value_begin;  // where a new value replaces the old one
};

std::optional<key_line> split_key_line(std::string_view text) {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos || text[first] == ';' || text[first] == '[') {
        return std::nullopt;
    }
    const auto equals = text.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const auto rest = text.substr(equals + 1);
    const auto value_first = rest.find_first_not_of(blanks);
    return key_line{trim_blanks(text.substr(0, equals)), trim_blanks(rest),
                    equals + 1 + (value_first == std::string_view::npos ? 0 : value_first)};
}

// Cuts at max_value_length bytes, backing up so a UTF-8 character is not split.
// Blanks the cut leaves at the end go too: a write would trim them, and what a
// read returns must read back the same once written.
std::string_view cut_value(std::string_view value) {
    if (value.size() <= ini_document::max_value_length) return value;
    auto end = ini_document::max_value_length;
    const auto is_continuation = [&] {
        return (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80;
    };
    for (int backed = 0; backed < 3 && is_continuation(); ++backed) --end;
    return trim_blanks(value.substr(0, end));
}

void check_storable(std::string_view section, std::string_view key,
                    const std::optional<std::string>& value) {
    const auto breaks = [](std::string_view text) {  // two memchr calls, not one per byte
        return text.find('\n') != std::string_view::npos ||
               text.find('\r') != std::string_view::npos;
    };
    const auto trimmed_key = trim_blanks(key);
    if (breaks(section) || breaks(key) || (value && breaks(*value))) {
        throw std::invalid_argument("ini: a line break cannot be stored");
    }
    if (section.find(']') != std::string_view::npos) {
        throw std::invalid_argument("ini: a section name cannot hold ']'");
    }
    if (key.find('=') != std::string_view::npos ||
        (!trimmed_key.empty() && (trimmed_key[0] == ';' || trimmed_key[0] == '['))) {
        throw std::invalid_argument("ini: a key cannot hold '=' or start with ';' or '['");
    }
}

}  // namespace

std::size_t ini_document::name_hash::operator()(std::string_view name) const {
    std::size_t hash = 14695981039346656037ull;  // FNV-1a
    for (const char c : name)
        hash = (hash ^ static_cast<unsigned char>(ascii_lower(c))) * 1099511628211ull;
    return hash;
}

bool ini_document::name_equal::operator()(std::string_view a, std::string_view b) const noexcept {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (ascii_lower(a[i]) != ascii_lower(b[i])) return false;
    }
    return true;
}

ini_document::ini_document(std::string bytes) : bytes_(std::move(bytes)) {
    encoding_ = encoding_of(bytes_);
    std::string_view rest = std::string_view(bytes_).substr(byte_order_mark(encoding_).size());
    std::string decoded;
    if (is_utf16()) {
        decoded = utf8_from_utf16(rest, encoding_ == text_encoding::utf16be);
        rest = decoded;
    }
    section* current = nullptr;
    // CR, LF and CR LF all end a line, as files from any system may use any of them.
    while (!rest.empty()) {
        const auto at = rest.find_first_of("\r\n");
        const auto text = rest.substr(0, at);
        auto end = line_end::none;
        std::size_t end_size = 0;
        if (at != std::string_view::npos) {
            const bool crlf = rest.substr(at).starts_with("\r\n");
            end = crlf ? line_end::crlf : rest[at] == '\r' ? line_end::cr : line_end::lf;
            end_size = crlf ? 2 : 1;
        }
        rest.remove_prefix(at == std::string_view::npos ? rest.size() : at + end_size);
        current = index_line(lines_.insert(lines_.end(), line{std::string(text), end}), current);
    }
}

ini_document::ini_document(const ini_document& other) : ini_document(other.bytes()) {}

ini_document& ini_document::operator=(const ini_document& other) {
    if (this != &other) *this = ini_document(other);
    return *this;
}

const std::string& ini_document::bytes() const {
    if (bytes_stale_) {
        bytes_ = byte_order_mark(encoding_);
        if (is_utf16()) {
            std::string text;
            append_lines(text);
            bytes_ += utf16_from_utf8(text, encoding_ == text_encoding::utf16be);
        } else {
            append_lines(bytes_);
        }
        bytes_stale_ = false;
    }
    return bytes_;
}

void ini_document::append_lines(std::string& text) const {
    constexpr std::string_view endings[] = {"", "\n", "\r\n", "\r"};  // by line_end
    for (const auto& each : lines_) {
        text += each.text;
        text += endings[static_cast<std::size_t>(each.end)];
    }
}

bool ini_document::is_utf16() const {
    return encoding_ == text_encoding::utf16le || encoding_ == text_encoding::utf16be;
}

void ini_document::make_room_for(std::initializer_list<std::string_view> texts) {
    if (!is_utf16() || std::ranges::all_of(texts, utf16_can_hold)) return;
    encoding_ = text_encoding::utf8_bom;
    bytes_stale_ = true;
}

std::string ini_document::read(std::string_view section_name, std::string_view key) const {
    const auto found = sections_.find(trim_blanks(section_name));
    if (found == sections_.end()) return {};
    const auto entry = found->second.keys.find(trim_blanks(key));
    if (entry == found->second.keys.end()) return {};
    return std::string(cut_value(split_key_line(entry->second.line->text)->value));
}

bool ini_document::write(std::string_view section_name, std::string_view key,
                         const std::optional<std::string>& value) {
    check_storable(section_name, key, value);
    section_name = trim_blanks(section_name);
    key = trim_blanks(key);
    if (value) make_room_for({section_name, key, *value});
    const bool changed =
        value ? store(section_name, key, trim_blanks(*value)) : erase(section_name, key);
    bytes_stale_ = bytes_stale_ || changed;
    return changed;
}

bool ini_document::clear_section(std::string_view section_name) {
    const auto found = sections_.find(trim_blanks(section_name));
    if (found == sections_.end() || found->second.keys.empty()) return false;
    section& cleared = found->second;
    for (auto at = std::next(cleared.header); at != lines_.end() && !header_name(at->text);) {
        at = split_key_line(at->text) ? lines_.erase(at) : std::next(at);
    }
    cleared.keys.clear();
    cleared.last_key = cleared.header;
    bytes_stale_ = true;
    return true;
}

// Indexes a line just placed at `at`, which belongs to `current` (nullptr: to no
// indexed section); returns the section the following lines belong to.
std::vector<std::string> ini_document::section_names() const {
    std::vector<std::string> names;
    for (auto at = lines_.begin(); at != lines_.end(); ++at)
        if (const auto name = header_name(at->text)) {
            const auto found = sections_.find(*name);
            if (found != sections_.end() && found->second.header == at) names.emplace_back(*name);
        }
    return names;
}

ini_document::section* ini_document::index_line(line_iter at, section* current) {
    if (const auto name = header_name(at->text)) {
        const auto [found, added] = sections_.try_emplace(std::string(*name), section{at, at, {}});
        return added ? &found->second : nullptr;
    }
    if (current == nullptr) return nullptr;
    if (const auto split = split_key_line(at->text)) {
        const auto [found, added] =
            current->keys.try_emplace(std::string(split->key), key_entry{at});
        found->second.duplicated = found->second.duplicated || !added;
        current->last_key = at;
    }
    return current;
}

bool ini_document::store(std::string_view section_name, std::string_view key,
                         std::string_view value) {
    const auto found = sections_.find(section_name);
    if (found == sections_.end()) {
        append_section(section_name, key, value);
        return true;
    }
    const auto entry = found->second.keys.find(key);
    if (entry == found->second.keys.end()) {
        insert_key(found->second, key, value);
        return true;
    }
    line& target = *entry->second.line;
    const auto split = *split_key_line(target.text);
    if (split.value == value) return false;
    target.text = target.text.substr(0, split.value_begin).append(value);
    target.end = line_end::crlf;
    return true;
}

bool ini_document::erase(std::string_view section_name, std::string_view key) {
    const auto found = sections_.find(section_name);
    if (found == sections_.end()) return false;
    section& from = found->second;
    const auto entry = from.keys.find(key);
    if (entry == from.keys.end()) return false;
    const line_iter gone = entry->second.line;
    if (gone == from.last_key) {  // new keys go after the previous key line, or the header
        do {
            --from.last_key;
        } while (from.last_key != from.header && !split_key_line(from.last_key->text));
    }
    const line_iter next = entry->second.duplicated ? next_with_key(gone, key) : lines_.end();
    if (next == lines_.end()) {
        from.keys.erase(entry);
    } else {
        entry->second.line = next;
    }
    lines_.erase(gone);
    return true;
}

void ini_document::insert_key(section& into, std::string_view key, std::string_view value) {
    if (into.last_key->end == line_end::none) into.last_key->end = line_end::crlf;
    std::string text(key);
    text.append("=").append(value);
    index_line(lines_.insert(std::next(into.last_key), line{std::move(text), line_end::crlf}),
               &into);
}

void ini_document::append_section(std::string_view section_name, std::string_view key,
                                  std::string_view value) {
    if (!lines_.empty() && lines_.back().end == line_end::none) lines_.back().end = line_end::crlf;
    std::string header("[");
    header.append(section_name).append("]");
    section* added =
        index_line(lines_.insert(lines_.end(), line{std::move(header), line_end::crlf}), nullptr);
    insert_key(*added, key, value);
}

// The next line of the same section holding `key`, or lines_.end().
ini_document::line_iter ini_document::next_with_key(line_iter from, std::string_view key) {
    for (auto at = std::next(from); at != lines_.end() && !header_name(at->text); ++at) {
        const auto split = split_key_line(at->text);
        if (split && name_equal{}(split->key, key)) return at;
    }
    return lines_.end();
}

}  // namespace tw
