#include "scheduler/run_ledger.hpp"

namespace tw {

namespace {

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

run_ledger::run_ledger(program& p)
    : file_(p, "tasks.csv",
            {"start", "end", "seconds", "how it ended", "trigger", "program", "parameters"},
            "run ledger") {}

void run_ledger::record(const ledger_run& run) {
    std::vector<std::string> fields = file_.span_until_now(run.started, run.seconds);
    fields.insert(fields.end(),
                  {run.how_ended, trigger_text(run.trigger), run.application, run.parameters});
    file_.append(fields);
}

}  // namespace tw
