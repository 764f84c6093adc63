#include "connection/connection_ledger.hpp"

namespace tw {

namespace {

const char* end_text(connection_end how) {
    switch (how) {
        case connection_end::hang_up:
            return "hang-up";
        case connection_end::after_last_task:
            return "after last task";
        case connection_end::countdown:
            return "countdown";
        case connection_end::daily_hang_up:
            return "daily hang-up";
        case connection_end::line_drop:
            return "line drop";
        case connection_end::program_end:
            return "program end";
    }
    return "";
}

}  // namespace

connection_ledger::connection_ledger(program& p)
    : file_(p, "connections.csv",
            {"entry", "start", "end", "seconds", "how it ended", "bytes received", "bytes sent"},
            "connection ledger") {}

void connection_ledger::record(const ledger_connection& connection) {
    std::vector<std::string> fields{connection.entry};
    for (std::string& field : file_.span_until_now(connection.started, connection.seconds))
        fields.push_back(std::move(field));
    fields.push_back(end_text(connection.how_ended));
    const auto& bytes = connection.bytes;
    fields.push_back(bytes ? std::to_string(bytes->received) : "");
    fields.push_back(bytes ? std::to_string(bytes->sent) : "");
    file_.append(fields);
}

}  // namespace tw
