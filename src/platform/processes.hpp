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
    // it may take its time or refuse. Nothing once it has ended.
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
    // Starts a program with its window minimized and given the focus, where
    // the platform has a say over a program's first window; elsewhere as start().
    virtual std::unique_ptr<process> start_minimized(const std::string& application,
                                                     const std::string& command_line) {
        return start(application, command_line);
    }
};

}  // namespace tw
