#include "platform/posix/posix_processes.hpp"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "platform/command_line_split.hpp"

namespace tw {

namespace {

// True once `pid` has ended and is reaped, or is no child of ours any more
// (reaped elsewhere, or SIGCHLD ignored so the system reaped it; how it
// ended is then unknown).
bool reap(pid_t pid, process_end* end = nullptr) {
    for (;;) {
        int status = 0;
        const pid_t result = ::waitpid(pid, &status, WNOHANG);
        if (result == pid) {
            if (end && WIFEXITED(status)) *end = {process_end::kind::exited, WEXITSTATUS(status)};
            if (end && WIFSIGNALED(status)) *end = {process_end::kind::signalled, WTERMSIG(status)};
            return true;
        }
        if (result == 0) return false;
        if (errno != EINTR) return true;
    }
}

// posix_spawn's C structures, released on every way out.
class spawn_setup {
public:
    spawn_setup() {
        ::posix_spawn_file_actions_init(&actions_);
        ::posix_spawnattr_init(&attributes_);
    }
    ~spawn_setup() {
        ::posix_spawnattr_destroy(&attributes_);
        ::posix_spawn_file_actions_destroy(&actions_);
    }
    spawn_setup(const spawn_setup&) = delete;
    spawn_setup& operator=(const spawn_setup&) = delete;

    // Only stdin, stdout and stderr reach the child; handlers, ignored signals
    // and a blocked mask of this program are no business of the child's.
    // `own_group`: the child leads a new process group.
    bool prepare(bool own_group) {
        sigset_t all;
        sigset_t none;
        ::sigfillset(&all);
        ::sigemptyset(&none);
        const short flags = POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK |
                            (own_group ? POSIX_SPAWN_SETPGROUP : 0);
        return ::posix_spawn_file_actions_addclosefrom_np(&actions_, 3) == 0 &&
               ::posix_spawnattr_setsigdefault(&attributes_, &all) == 0 &&
               ::posix_spawnattr_setsigmask(&attributes_, &none) == 0 &&
               ::posix_spawnattr_setpgroup(&attributes_, 0) == 0 &&
               ::posix_spawnattr_setflags(&attributes_, flags) == 0;
    }

    const posix_spawn_file_actions_t* actions() const { return &actions_; }
    const posix_spawnattr_t* attributes() const { return &attributes_; }

private:
    posix_spawn_file_actions_t actions_;
    posix_spawnattr_t attributes_;
};

}  // namespace

class unreaped_children {
public:
    void add(pid_t pid) { pids_.push_back(pid); }
    void reap_ended() {
        std::erase_if(pids_, [](pid_t pid) { return reap(pid); });
    }

private:
    std::vector<pid_t> pids_;
};

posix_process::posix_process(pid_t pid, bool leads_group,
                             std::shared_ptr<unreaped_children> unreaped)
    : pid_(pid), leads_group_(leads_group), unreaped_(std::move(unreaped)) {}

posix_process::~posix_process() {
    if (!has_ended()) unreaped_->add(pid_);
}

bool posix_process::has_ended() {
    if (!ended_) ended_ = reap(pid_, &end_);
    return ended_;
}

// A child not reaped yet still owns its pid, and its group that number, so
// the signal cannot reach another process that took the number over.
void posix_process::signal(int number) {
    if (!has_ended()) ::kill(leads_group_ ? -pid_ : pid_, number);
}

void posix_process::ask_to_end() { signal(SIGTERM); }

void posix_process::terminate() { signal(SIGKILL); }

posix_processes::posix_processes() : unreaped_(std::make_shared<unreaped_children>()) {}

posix_processes::~posix_processes() { unreaped_->reap_ended(); }

std::unique_ptr<process> posix_processes::start(const std::string& application,
                                                const std::string& command_line) {
    return spawn(application, command_line, false);
}

std::unique_ptr<process> posix_processes::start_task(const std::string& application,
                                                     const std::string& command_line) {
    return spawn(application, command_line, true);
}

std::unique_ptr<process> posix_processes::spawn(const std::string& application,
                                                const std::string& command_line, bool own_group) {
    unreaped_->reap_ended();
    std::vector<std::string> arguments = split_command_line(command_line);
    arguments.insert(arguments.begin(), application);
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);

    spawn_setup setup;
    pid_t pid = 0;
    if (!setup.prepare(own_group) || ::posix_spawn(&pid, application.c_str(), setup.actions(),
                                                   setup.attributes(), argv.data(), environ) != 0)
        return nullptr;
    return std::make_unique<posix_process>(pid, own_group, unreaped_);
}

}  // namespace tw
