#include "program_run.hpp"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace tw::testing {

program_run::program_run(std::vector<std::string> arguments, std::vector<std::string> environment,
                         std::vector<std::string> wrapper)
    : arguments_(std::move(arguments)),
      environment_(std::move(environment)),
      wrapper_(std::move(wrapper)) {
    std::filesystem::copy_file(TARNWICK_BINARY, folder / "tarnwick");
}

program_run::~program_run() {
    if (pid_ > 0 && !exit_code_) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
}

void program_run::start() {
    exit_code_.reset();
    std::string binary = folder / "tarnwick";
    std::vector<char*> argv;
    for (auto& w : wrapper_) argv.push_back(w.data());
    argv.push_back(binary.data());
    for (auto& a : arguments_) argv.push_back(a.data());
    argv.push_back(nullptr);

    std::vector<std::string> env_text = {"QT_QPA_PLATFORM=offscreen"};
    for (char** e = environ; *e; ++e)
        if (std::string_view(*e).rfind("QT_QPA_PLATFORM=", 0) != 0 &&
            std::string_view(*e).rfind("TARNWICK_", 0) != 0)
            env_text.emplace_back(*e);
    env_text.insert(env_text.end(), environment_.begin(), environment_.end());
    std::vector<char*> envp;
    for (auto& e : env_text) envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string out = folder / "stdout.txt", err = folder / "stderr.txt";
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addchdir_np(&actions, folder.path().c_str());
    const int failed = ::posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed) throw std::runtime_error("cannot start the program");
}

bool program_run::wait_until(const std::function<bool()>& done, std::chrono::seconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

std::optional<int> program_run::wait_for_exit(std::chrono::seconds limit) {
    wait_until(
        [&] {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_)
                exit_code_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            return exit_code_.has_value();
        },
        limit);
    return exit_code_;
}

void program_run::send(int signal) const { ::kill(pid_, signal); }

bool program_run::catches(int signal) const {
    const std::string status = read_file("/proc/" + std::to_string(pid_) + "/status");
    const auto at = status.find("SigCgt:");
    if (at == std::string::npos) return false;
    const unsigned long long caught = std::stoull(status.substr(at + 7), nullptr, 16);
    return (caught >> (signal - 1)) & 1;
}

bool program_run::exists(const std::string& name) const {
    return std::filesystem::exists(folder / name);
}

std::vector<std::string> clock_starting_at(const std::string& at) {
    return {std::string("LD_PRELOAD=") + FAKETIME_LIBRARY, "FAKETIME=@" + at,
            "DONT_FAKE_MONOTONIC=1", "ASAN_OPTIONS=verify_asan_link_order=0"};
}

}  // namespace tw::testing
