#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "toolkit/event.hpp"

namespace tw {

// The bytes a line carried since it came up.
struct line_bytes {
    std::uint64_t received = 0;
    std::uint64_t sent = 0;
};

// Connection states the program looks at.
constexpr int ras_connected = 8192;
constexpr int ras_disconnected = 8193;

// The remote-access dialer. Each operation keeps the dispatch id it has in the
// dialer component the program was first written against:
//
//   id    operation        kind
//   1     phonebook        write: path of the phone-book file
//   6     entry_name       write: entry to dial
//   10    entry_count      read
//   11    ras_available    read: false ends the program at start-up
//   16    connection_state read: 8192 connected, 8193 disconnected
//   18    is_connected     read
//   19    hang_up          call: ends the connection or dial; harmless without one
//   20    dial_entry       call: starts dialing, returns at once
//   21    load_entry       call: takes up entry and phone book before a dial
//   24    entry_name_at    read with a 0-based index below entry_count
//   -550  refresh          call: brings the values read afterwards up to date
//
// Events: 9 state_changed, 10 (one argument, unused), 11 state_notice.
// Errors are thrown as std::exception.
//
// Beyond those, a dialer may tell why a dial failed or a line went down, and
// count the bytes a line carried.
class dialer {
public:
    virtual ~dialer() = default;

    virtual void set_phonebook(const std::string& path) = 0;
    virtual void set_entry_name(const std::string& name) = 0;
    virtual int entry_count() = 0;
    virtual bool ras_available() = 0;
    virtual int connection_state() = 0;
    virtual bool is_connected() = 0;
    virtual void hang_up() = 0;
    virtual void dial_entry() = 0;
    virtual void load_entry() = 0;
    virtual std::string entry_name_at(int index) = 0;
    virtual void refresh() = 0;

    // A dialer that keeps its entries itself, not in a phone-book file the
    // user picks, answers false: dialling then neither asks for nor hands over
    // a file.
    virtual bool uses_phonebook_file() const { return true; }
    // The program that edits this dialer's entries, when it has one of its
    // own; empty for the phone-book file's editor.
    virtual std::string entries_editor() const { return {}; }
    // The bytes the line carried, the latest line's once it is down; none
    // where the dialer cannot count them.
    virtual std::optional<line_bytes> bytes_carried() { return std::nullopt; }
    // Called as the program ends: a hang-up still under way is seen through,
    // a few seconds at most, so that no line outlives the program.
    virtual void finish_hang_up() {}

    event<> state_changed;
    event<long> event_10;
    event<long> state_notice;
    // Why a dial failed, or why the line went down other than by hang_up, in
    // the dialer's own words, as soon as the dialer learns it.
    event<std::string> dial_failed;
    event<std::string> line_dropped;
};

}  // namespace tw
