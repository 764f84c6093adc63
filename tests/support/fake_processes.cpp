#include "fake_processes.hpp"

#include <algorithm>

namespace tw::testing {

namespace {

constexpr int sigterm = 15;
constexpr int sigkill = 9;

class fake_process : public process {
public:
    fake_process(event_loop& loop, double ends_at, bool stubborn)
        : loop_(loop), ends_at_(ends_at), stubborn_(stubborn) {}
    bool has_ended() override { return loop_.clock() >= ends_at_; }
    process_end end() const override { return end_; }
    void ask_to_end() override {
        if (!stubborn_) end_now({process_end::kind::signalled, sigterm});
    }
    void terminate() override { end_now({process_end::kind::signalled, sigkill}); }

private:
    void end_now(process_end how) {
        if (has_ended()) return;
        ends_at_ = loop_.clock();
        end_ = how;
    }

    event_loop& loop_;
    double ends_at_;
    bool stubborn_;
    process_end end_{process_end::kind::exited, 0};
};

bool listed(const std::vector<std::string>& list, const std::string& application) {
    return std::find(list.begin(), list.end(), application) != list.end();
}

}  // namespace

std::unique_ptr<process> fake_processes::start(const std::string& application,
                                               const std::string& command_line) {
    if (listed(refused_, application)) return nullptr;
    started_.push_back({application, command_line, loop_.clock()});
    const auto found = run_seconds_.find(application);
    const double seconds = found == run_seconds_.end() ? 1.0 : found->second;
    return std::make_unique<fake_process>(loop_, loop_.clock() + seconds,
                                          listed(stubborn_, application));
}

std::unique_ptr<process> fake_processes::start_task(const std::string& application,
                                                    const std::string& command_line) {
    auto started = start(application, command_line);
    if (started) started_.back().as_task = true;
    return started;
}

std::unique_ptr<process> fake_processes::start_minimized(const std::string& application,
                                                         const std::string& command_line) {
    auto started = start(application, command_line);
    if (started) started_.back().minimized = true;
    return started;
}

}  // namespace tw::testing
