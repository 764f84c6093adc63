#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/processes.hpp"

namespace tw {

// Starts programs with CreateProcessW. The command line is the program path in
// quotes followed by the parameter text as given: a Windows program splits it
// by its own rules. The child inherits the standard handles and no other.
// Waiting reads the process handle's signalled state, which never blocks. A
// task starts in a job object of its own, which the programs it starts join.
class windows_processes : public processes {
public:
    std::unique_ptr<process> start(const std::string& application,
                                   const std::string& command_line) override;
    std::unique_ptr<process> start_task(const std::string& application,
                                        const std::string& command_line) override;
    std::unique_ptr<process> start_minimized(const std::string& application,
                                             const std::string& command_line) override;

private:
    // `show`: how the program's first window shows (SW_…); its own choice when empty.
    static std::unique_ptr<process> start_showing(const std::string& application,
                                                  const std::string& command_line,
                                                  std::optional<int> show, bool own_job);
};

}  // namespace tw
