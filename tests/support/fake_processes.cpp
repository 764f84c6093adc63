#include "fake_processes.hpp"

#include <algorithm>

namespace tw::testing {

namespace {

class fake_process : public process {
public:
    fake_process(event_loop& loop, double ends_at) : loop_(loop), ends_at_(ends_at) {}
    bool has_ended() override { return loop_.clock() >= ends_at_; }
    process_end end() const override { return {process_end::kind::exited, 0}; }

private:
    event_loop& loop_;
    double ends_at_;
};

}  // namespace

std::unique_ptr<process> fake_processes::start(const std::string& application,
                                               const std::string& command_line) {
    if (std::find(refused_.begin(), refused_.end(), application) != refused_.end()) return nullptr;
    started_.push_back({application, command_line, loop_.clock()});
    const auto found = run_seconds_.find(application);
    const double seconds = found == run_seconds_.end() ? 1.0 : found->second;
    return std::make_unique<fake_process>(loop_, loop_.clock() + seconds);
}

std::unique_ptr<process> fake_processes::start_minimized(const std::string& application,
                                                         const std::string& command_line) {
    auto started = start(application, command_line);
    if (started) started_.back().minimized = true;
    return started;
}

}  // namespace tw::testing
