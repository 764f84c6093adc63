#pragma once

#include <cstdint>
#include <string>

#include "scheduler/run_ledger.hpp"

namespace tw {

class program;

// The due tasks of one schedule mark (a ten-minute mark, the connect time),
// given in list order. One dial sequence serves them all: the first task that
// finds the line down dials, and a task that then finds no line is skipped
// with its ledger row. Each task runs once, also when the dial's connection
// already ran it at connect time. While a mark runs, the line it uses is
// hung up only by the schedule's hand-over after the mark.
class mark_run {
public:
    // A simulated mark opens a simulated session instead of dialling.
    mark_run(program& p, run_trigger trigger, bool simulated = false);
    ~mark_run();
    mark_run(const mark_run&) = delete;
    mark_run& operator=(const mark_run&) = delete;

    void run(const std::string& application);

private:
    bool line_ready();
    void dial_and_wait();

    program& p_;
    run_trigger trigger_;
    bool simulated_;
    std::uint64_t sessions_before_;
    bool dialled_ = false;
    bool held_before_;
};

}  // namespace tw
