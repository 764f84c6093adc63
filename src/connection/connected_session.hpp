#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "connection/connection_ledger.hpp"

namespace tw {

class program;

// A connection from its start to its drop: connect time, connect tasks, line watch.
class connected_session {
public:
    explicit connected_session(program& p);

    // The dialer's report of a new state: 8192 starts a session over the line.
    void ctrl_RAS_state_changed();
    // The dialer's notice that the line may be down.
    void ctrl_RAS_state_notice();
    // The dialer's word of why the line went down, logged as soon as it
    // comes; the drop itself is the connection-time tick's to find.
    void ctrl_RAS_line_dropped(const std::string& reason);
    // A session without a line behind it; it ends as a dropped line at its
    // first connection-time tick.
    void simulate_connected();
    // Runs each enabled task of the list once, in list order, waiting for each.
    void run_connect_tasks();
    // Shows the connect time, or handles a dropped line.
    void t_connection_time_Timer();
    // Gives the session's connection its ledger row, once; call it before
    // the line is hung up, while the dialer can still count its bytes.
    void end_connection(connection_end how);

    // How many sessions have begun so far.
    std::uint64_t sessions_begun() const { return sessions_begun_; }
    // True when a session begun after the first `sessions` ran `application`
    // at its connect time, so a schedule that dialled need not run it again.
    bool ran_at_connect_since(std::uint64_t sessions, const std::string& application) const {
        return sessions_begun_ > sessions && connect_runs_.contains(application);
    }
    // While a schedule runs the tasks of a mark, the line is the schedule's:
    // a session start then leaves the hang-up after the tasks to it.
    void hold_for_schedule(bool held) { held_for_schedule_ = held; }
    bool held_for_schedule() const { return held_for_schedule_; }

private:
    // The steps both session starts share; `over_a_line` adds what only a
    // real connection shows.
    void begin_session(bool over_a_line);
    bool scheduler_off() const;
    // Whether the session start ends with the after-last-task hang-up.
    bool ends_after_last_task() const;
    void end_after_last_task();
    void show_connect_time();
    void line_dropped();
    void reconnect();

    // The connection of the session, until its row is written.
    struct open_connection {
        std::string entry;
        moment started;
        double clock_at;  // on the monotonic clock
        bool over_a_line;
    };

    program& p_;
    connection_ledger ledger_;
    std::optional<open_connection> connection_;
    std::uint64_t sessions_begun_ = 0;
    std::set<std::string> connect_runs_;  // the tasks the latest session ran at connect time
    bool held_for_schedule_ = false;
    bool connect_tasks_running_ = false;
};

}  // namespace tw
