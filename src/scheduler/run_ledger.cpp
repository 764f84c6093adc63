#include "scheduler/run_ledger.hpp"

#include <cstdio>

#include "core/error_log.hpp"
#include "platform/file_io.hpp"
#include "platform/path_rules.hpp"
#include "program.hpp"

namespace tw {

namespace {

constexpr const char* ledger_file = "tasks.csv";

const std::vector<std::string> header = {"start",   "end",     "seconds",   "how it ended",
                                         "trigger", "program", "parameters"};

const char* trigger_text(run_trigger trigger) {
    switch (trigger) {
        case run_trigger::connect:
            return "connect";
        case run_trigger::schedule:
            return "schedule";
        case run_trigger::specific:
            return "specific";
        case run_trigger::now:
            return "now";
    }
    return "";
}

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

std::string how_ended_text(process_end end) {
    switch (end.how) {
        case process_end::kind::exited:
            return "exit " + std::to_string(end.value);
        case process_end::kind::signalled:
            return "signal " + std::to_string(end.value);
        case process_end::kind::unknown:
            break;
    }
    return "";
}

std::string csv_record(const std::vector<std::string>& fields) {
    std::string record;
    for (const std::string& field : fields) {
        if (!record.empty()) record += ',';
        record += csv_field(field);
    }
    return record + "\r\n";
}

run_ledger::run_ledger(program& p) : p_(p) {}

// A ledger whose last row was torn (by a crash) gets a line break first, so
// the new row stands on a line of its own.
void run_ledger::record(const ledger_run& run) {
    const std::string path = native_paths().join(p_.log_directory, ledger_file);
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", run.seconds);
    const std::string row =
        csv_record({stamp(run.started), stamp(run.ended), seconds, run.how_ended,
                    trigger_text(run.trigger), run.application, run.parameters});
    try {
        append_to_file(file_path(path), [&](std::optional<char> last_byte) {
            if (!last_byte) return csv_record(header) + row;
            return *last_byte == '\n' ? row : "\r\n" + row;
        });
    } catch (const file_error& error) {
        error_log_append(native_paths().join(p_.program_folder, "log.txt"), p_.loop.now(),
                         "run ledger", error.what());
    }
}

}  // namespace tw
