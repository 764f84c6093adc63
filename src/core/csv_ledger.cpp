#include "core/csv_ledger.hpp"

#include <cstdio>

#include "core/error_log.hpp"
#include "platform/file_io.hpp"
#include "platform/path_rules.hpp"
#include "program.hpp"

namespace tw {

namespace {

// "2026-12-06 07:30:00": sorts as text in time order.
std::string stamp(wall_time t) {
    const std::string date = format_date(t);  // mm-dd-yyyy
    return date.substr(6, 4) + "-" + date.substr(0, 2) + "-" + date.substr(3, 2) + " " +
           format_time(t);
}

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

std::vector<std::string> span_fields(wall_time started, double seconds) {
    const auto lasted =
        std::chrono::round<std::chrono::milliseconds>(std::chrono::duration<double>(seconds));
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", seconds);
    return {stamp(started), stamp(started + lasted), text};
}

csv_ledger::csv_ledger(program& p, std::string file_name, std::vector<std::string> header,
                       std::string name)
    : p_(p), file_name_(std::move(file_name)), header_(std::move(header)), name_(std::move(name)) {}

// A ledger whose last row was torn (by a crash) gets a line break first, so
// the new row stands on a line of its own.
void csv_ledger::append(const std::vector<std::string>& fields) {
    const std::string path = native_paths().join(p_.log_directory, file_name_);
    const std::string row = csv_record(fields);
    try {
        append_to_file(file_path(path), [&](std::optional<char> last_byte) {
            if (!last_byte) return csv_record(header_) + row;
            return *last_byte == '\n' ? row : "\r\n" + row;
        });
    } catch (const file_error& error) {
        error_log_append(native_paths().join(p_.program_folder, "log.txt"), p_.loop.now(), name_,
                         error.what());
    }
}

}  // namespace tw
