#pragma once

#include <memory>
#include <string>

namespace tw {

// How a started program ended.
struct process_end {
    enum class kind { unknown, exited, signalled };
    kind how = kind::unknown;
    int value = 0;  // the exit code or the signal number
};

// A started program.
class process {
public:
    virtual ~process() = default;
    // True once the program has ended (it is reaped then); never blocks.
    virtual bool has_ended() = 0;
    // Known once has_ended() said so.
    virtual process_end end() const = 0;
    // Asks the program to end (SIGTERM; on Windows WM_CLOSE to its windows);
    // it may take its time or refuse. Nothing once it has ended. A task's
    // request and end reach the programs it started too.
    virtual void ask_to_end() = 0;
    // Ends the program at once. Nothing once it has ended.
    virtual void terminate() = 0;
};

// Starts programs. `command_line` is the text handed to the program after
// its own name (" -q report.txt"); how it becomes arguments is the
// platform's rule.
class processes {
public:
    virtual ~processes() = default;
    // nullptr when the program could not be started.
    virtual std::unique_ptr<process> start(const std::string& application,
                                           const std::string& command_line) = 0;
    // Starts a task: as start(), in a process group (POSIX) or job (Windows)
    // of its own, so that asking it to end and ending it reach the programs
    // it starts in turn (a script's commands).
    virtual std::unique_ptr<process> start_task(const std::string& application,
                                                const std::string& command_line) {
        return start(application, command_line);
    }
    // Starts a program with its window minimized and given the focus, where
    // the platform has a say over a program's first window; elsewhere as start().
    virtual std::unique_ptr<process> start_minimized(const std::string& application,
                                                     const std::string& command_line) {
        return start(application, command_line);
    }
};

}  // namespace tw
