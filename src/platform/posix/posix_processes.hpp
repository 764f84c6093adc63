#pragma once

#include <sys/types.h>

#include <memory>
#include <string>

#include "platform/processes.hpp"

namespace tw {

// The children whose process objects went before they were reaped.
class unreaped_children;

// A program started by posix_processes. One that leads a process group of
// its own is signalled with its group.
class posix_process : public process {
public:
    posix_process(pid_t pid, bool leads_group, std::shared_ptr<unreaped_children> unreaped);
    // A child still running is handed to its starter, which reaps it later.
    ~posix_process() override;
    posix_process(const posix_process&) = delete;
    posix_process& operator=(const posix_process&) = delete;

    bool has_ended() override;
    process_end end() const override { return end_; }
    void ask_to_end() override;
    void terminate() override;
    pid_t pid() const { return pid_; }

private:
    void signal(int number);

    pid_t pid_;
    bool leads_group_;
    bool ended_ = false;
    process_end end_;
    std::shared_ptr<unreaped_children> unreaped_;
};

// Starts programs with posix_spawn, never through a shell: the command line is
// split into arguments by split_command_line, so "; rm -rf ~" reaches the program
// as three arguments and runs nothing. argv[0] is the application path. The child
// gets the caller's environment, folder, stdin, stdout and stderr, no other
// descriptor, default signal handling and an empty signal mask.
//
// Children are reaped without blocking and without a SIGCHLD handler (which would
// take the signal from the rest of the process): a process object reaps its child
// in has_ended(); one dropped while its child runs leaves the pid here, and every
// later start() and the destructor reap what has ended since. A child still running
// when this object goes is reaped by init once the program itself ends.
class posix_processes : public processes {
public:
    posix_processes();
    ~posix_processes() override;
    posix_processes(const posix_processes&) = delete;
    posix_processes& operator=(const posix_processes&) = delete;

    std::unique_ptr<process> start(const std::string& application,
                                   const std::string& command_line) override;
    // In a process group of its own. Only tasks: a group of its own takes a
    // program off the terminal, where an editor would then stop.
    std::unique_ptr<process> start_task(const std::string& application,
                                        const std::string& command_line) override;

private:
    std::unique_ptr<process> spawn(const std::string& application, const std::string& command_line,
                                   bool own_group);

    std::shared_ptr<unreaped_children> unreaped_;
};

}  // namespace tw
