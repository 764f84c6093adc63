#include "core/console_command.hpp"

#include <algorithm>
#include <ostream>

#include "core/agenda_command.hpp"
#include "core/system_usage.hpp"
#include "platform/path_rules.hpp"

namespace tw {

namespace {

constexpr const char* usage_start =
    R"(Usage: tarnwick [/s NAME] [/d] [/a] [/x]
  or:  tarnwick --agenda [HOURS]
  or:  tarnwick --help | --version
Dial an Internet connection, watch the dial with a time-out and retries, and
run your programs (tasks) at connect time, on an interval schedule or once a
day, from a window. The switches choose an entry, dial and start the schedule
from the command line, for runs that nobody watches.

Switches (found anywhere on the command line, even inside other text, in any
letter case):
  /s NAME               select the phone-book entry NAME (it ends before the
                        next /); a NAME the phone book lacks is logged, and
                        then nothing is dialled or scheduled
  /d                    dial at once
  /a                    switch the interval schedule on; with an entry chosen,
                        also tick "Disconnect after last task" and "Run
                        task(s) at connect time"
  /x                    end after the automatic hang-up that follows the
                        connect-time tasks (none comes while the interval
                        schedule is on, nor without /d or /a)

Options:
  --agenda [HOURS]      print the interval schedule's runs in the next HOURS
                        (24 unless given, at most 8760) and exit; nothing is
                        written
  --help                print this help and exit
  --version             print the version and exit

Environment:
)";

constexpr const char* exit_status = R"usage(
Exit status:
  0                     an orderly end: the window closed, /x after the tasks,
                        a termination signal (SIGTERM, SIGINT, SIGHUP; on
                        Windows Ctrl+C, Ctrl+Break, closing the console,
                        logging off)
  1                     no remote access on this machine
  2                     a /x run could not connect or its /s named no entry
                        of the phone book, or a wrong option
  3                     Tarnwick already runs from this program folder
  4                     on Linux, the program folder or a file of Tarnwick's
                        in it belongs to another user or may be written by
                        other users; the program says why, on standard error
                        and in a message box: "Tarnwick does not start:
                        'FOLDER' may be written by other users. ..." (or
                        "'FILE' belongs to another user (uid N)")
  5                     the program ran out of memory
  128+N                 on Linux, a second termination signal N ended the
                        program at once

One instance per folder:
  Only one Tarnwick runs on a program folder. A second start says so in a
  message box and ends with 3 doing nothing else; --agenda, --help and
  --version still run beside it.
)usage";

// The files of the program folder, in this system's spelling of paths.
std::string usage() {
    const std::string logs = native_paths().join("logs", "");
    return std::string(usage_start) + system_usage.environment + exit_status +
           system_usage.one_instance + "\nFiles:\n" + system_usage.program_folder + R"(
  tw.ini                the settings, written when the program ends; the key
                        "Task Time Limit" (minutes, 0 for none) ends a task
                        that runs longer
  task.ini              the task list
  fcd.ini               settings shared with the companion programs
  log.txt               errors met reading or writing the settings, the task
                        file or the ledgers, and files over 64 MB, which are
                        not read and never written over
  )" + logs +
           R"(last.log         the session log of the last run
  )" + logs +
           R"(tasks.csv        the run ledger: one line per task started
  )" + logs +
           R"(connections.csv  the connection ledger: one line per connection;
                        both ledgers give times in ISO 8601 with the offset
                        from UTC

)" + system_usage.phone_book_and_help;
}

bool has(const std::vector<std::string>& arguments, const char* option) {
    return std::find(arguments.begin(), arguments.end(), option) != arguments.end();
}

}  // namespace

std::optional<int> console_command(const std::vector<std::string>& arguments,
                                   const std::function<std::string()>& program_folder,
                                   wall_time now, std::ostream& out, std::ostream& err) {
    if (has(arguments, "--help")) {
        out << usage();
        return 0;
    }
    if (has(arguments, "--version")) {
        out << "Tarnwick " TARNWICK_VERSION "\n";
        return 0;
    }
    const auto unknown = std::find_if(arguments.begin(), arguments.end(), [](const auto& a) {
        return a.starts_with("--") && a != "--agenda";
    });
    if (unknown != arguments.end()) {
        err << "tarnwick: unknown option '" << *unknown << "'; see tarnwick --help\n";
        return 2;
    }
    if (!has(arguments, "--agenda")) return std::nullopt;
    return agenda_command(arguments, program_folder(), now, out, err);
}

}  // namespace tw
