#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/processes.hpp"
#include "toolkit/event_loop.hpp"

namespace tw::testing {

struct started_program {
    std::string application;
    std::string command_line;
    double started_at;
    bool minimized = false;
    bool as_task = false;  // with the programs it starts (start_task)
};

// Programs that run for a set simulated time (1 s unless told), exit with 0
// and record how they were started. Asked to end, one ends at once with
// SIGTERM's number unless it ignores such requests; ended, with SIGKILL's.
class fake_processes : public processes {
public:
    explicit fake_processes(event_loop& loop) : loop_(loop) {}

    void set_run_seconds(const std::string& application, double seconds) {
        run_seconds_[application] = seconds;
    }
    // Starting `application` fails, as a file that is no program does.
    void refuse(const std::string& application) { refused_.push_back(application); }
    // `application` runs on when asked to end; only ending it stops it.
    void ignore_end_requests(const std::string& application) { stubborn_.push_back(application); }

    const std::vector<started_program>& started() const { return started_; }

    std::unique_ptr<process> start(const std::string& application,
                                   const std::string& command_line) override;
    std::unique_ptr<process> start_task(const std::string& application,
                                        const std::string& command_line) override;
    std::unique_ptr<process> start_minimized(const std::string& application,
                                             const std::string& command_line) override;

private:
    event_loop& loop_;
    std::map<std::string, double> run_seconds_;
    std::vector<std::string> refused_;
    std::vector<std::string> stubborn_;
    std::vector<started_program> started_;
};

}  // namespace tw::testing
