#include "core/csv_ledger.hpp"

#include <algorithm>
#include <cstdio>

#include "core/error_log.hpp"
#include "platform/file_io.hpp"
#include "platform/path_rules.hpp"
#include "program.hpp"

namespace tw {

namespace {

std::string csv_field(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

}  // namespace

std::string csv_record(const std::vector<std::string>& fields) {
    std::string record;
    for (const std::string& field : fields) {
        if (!record.empty()) record += ',';
        record += csv_field(field);
    }
    return record + "\r\n";
}

// A record of this program never holds a line break, so each line is one
// record and an odd count of quotes on the last one leaves a field open.
std::string torn_record_end(std::string_view last_line) {
    if (last_line.empty()) return "";
    if (std::ranges::count(last_line, '"') % 2 == 1) return "\"\r\n";
    return last_line.ends_with('\r') ? "\n" : "\r\n";
}

std::vector<std::string> span_fields(moment started, double seconds,
                                     std::chrono::minutes end_offset) {
    const auto lasted =
        std::chrono::round<std::chrono::milliseconds>(std::chrono::duration<double>(seconds));
    const moment ended{started.local - started.utc_offset + lasted + end_offset, end_offset};
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", seconds);
    return {format_iso_8601(started), format_iso_8601(ended), text};
}

csv_ledger::csv_ledger(program& p, std::string file_name, std::vector<std::string> header,
                       std::string name)
    : p_(p), file_name_(std::move(file_name)), header_(std::move(header)), name_(std::move(name)) {}

std::vector<std::string> csv_ledger::span_until_now(moment started, double seconds) const {
    return span_fields(started, seconds, p_.loop.utc_offset());
}

// A ledger whose last row was torn (by a crash) has it ended first, so the new
// row stands on a line of its own.
void csv_ledger::append(const std::vector<std::string>& fields) {
    const std::string path = native_paths().join(p_.log_directory, file_name_);
    const std::string row = csv_record(fields);
    try {
        append_to_file(file_path(path), [&](const file_end& end) {
            return end.empty ? csv_record(header_) + row : torn_record_end(end.last_line) + row;
        });
    } catch (const file_error& error) {
        error_log_append(native_paths().join(p_.program_folder, "log.txt"), p_.loop.now(), name_,
                         error.what());
    }
}

}  // namespace tw
