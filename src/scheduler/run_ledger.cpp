#include "scheduler/run_ledger.hpp"

#include <algorithm>
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

// A record of this program never holds a line break, so each line is one
// record and an odd count of quotes on the last one leaves a field open.
std::string torn_record_end(std::string_view last_line) {
    if (last_line.empty()) return "";
    if (std::ranges::count(last_line, '"') % 2 == 1) return "\"\r\n";
    return last_line.ends_with('\r') ? "\n" : "\r\n";
}

void append_csv_record(const std::string& path, const std::vector<std::string>& header,
                       const std::string& record) {
    append_to_file(file_path(path), [&](const file_end& end) {
        return end.empty ? csv_record(header) + record : torn_record_end(end.last_line) + record;
    });
}

run_ledger::run_ledger(program& p) : p_(p) {}

void run_ledger::record(const ledger_run& run) {
    const std::string path = native_paths().join(p_.log_directory, ledger_file);
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", run.seconds);
    const std::string row =
        csv_record({format_iso_8601(run.started), format_iso_8601(run.ended), seconds,
                    run.how_ended, trigger_text(run.trigger), run.application, run.parameters});
    try {
        append_csv_record(path, header, row);
    } catch (const file_error& error) {
        error_log_append(native_paths().join(p_.program_folder, "log.txt"), p_.loop.now(),
                         "run ledger", error.what());
    }
}

}  // namespace tw
