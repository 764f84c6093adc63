#include "scheduler/interval_schedule.hpp"

#include <array>
#include <cstdio>
#include <utility>

#include "platform/path_rules.hpp"

namespace tw {

namespace {

// The interval texts the task editor offers, and their steps in minutes.
constexpr std::array<std::pair<std::string_view, int>, 18> interval_table = {{
    {"10 minutes", 10},
    {"20 minutes", 20},
    {"30 minutes", 30},
    {"40 minutes", 40},
    {"50 minutes", 50},
    {"1 hour", 60},
    {"2 hours", 120},
    {"3 hours", 180},
    {"4 hours", 240},
    {"5 hours", 300},
    {"6 hours", 360},
    {"7 hours", 420},
    {"8 hours", 480},
    {"9 hours", 540},
    {"10 hours", 600},
    {"11 hours", 660},
    {"12 hours", 720},
    {"daily", 1440},
}};

// More steps than any day holds; only a guard against a step that never ends.
constexpr int max_steps = 10000;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

time_of_day minute_of(wall_time t) {
    const std::chrono::hh_mm_ss time{t - std::chrono::floor<std::chrono::days>(t)};
    return {static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count())};
}

std::string hh_mm(time_of_day t) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", t.hour, t.minute);
    return text;
}

std::optional<time_of_day> parse_time_of_day(std::string_view text) {
    const std::string t = trim(text);
    const auto colon = t.find(':');
    if (colon != 1 && colon != 2) return std::nullopt;
    if (t.size() != colon + 3) return std::nullopt;
    for (std::size_t i = 0; i < t.size(); ++i)
        if (i != colon && !is_digit(t[i])) return std::nullopt;
    const time_of_day result{std::stoi(t.substr(0, colon)), std::stoi(t.substr(colon + 1))};
    if (result.hour > 23 || result.minute > 59) return std::nullopt;
    return result;
}

std::optional<int> interval_minutes(std::string_view interval) {
    const std::string wanted = lower(std::string(interval));
    for (const auto& [text, minutes] : interval_table)
        if (text == wanted) return minutes;
    return std::nullopt;
}

bool is_due(time_of_day now, std::string_view start, std::string_view stop,
            std::string_view interval) {
    const auto first = parse_time_of_day(start);
    const auto last = parse_time_of_day(stop);
    const auto step = interval_minutes(interval);
    if (!first || !last || !step) return false;
    if (now.hour < first->hour || now.hour > last->hour) return false;
    int hour = first->hour;
    int minute = first->minute;
    for (int i = 0; i < max_steps; ++i) {
        if (hour == now.hour && minute == now.minute) return true;
        if (hour > now.hour) return false;
        minute += *step;
        hour += minute / 60;
        minute %= 60;
        if (hour > last->hour) return false;
    }
    return false;
}

// The marks is_due() answers yes for, with the fields read once, not once per mark.
std::vector<time_of_day> daily_runs(std::string_view start, std::string_view stop,
                                    std::string_view interval) {
    const auto first = parse_time_of_day(start);
    const auto last = parse_time_of_day(stop);
    const auto step = interval_minutes(interval);
    std::vector<time_of_day> runs;
    if (!first || !last || !step) return runs;
    constexpr int minutes_per_day = 24 * 60;
    for (int at = first->hour * 60 + first->minute; at < minutes_per_day && at / 60 <= last->hour;
         at += *step)
        if (const time_of_day t{at / 60, at % 60}; is_schedule_mark(t)) runs.push_back(t);
    return runs;
}

// Every step is a whole number of ten-minute marks, so a start on a mark with
// its hour inside the window always runs at least at the start time itself.
std::optional<std::string> never_runs_reason(std::string_view start, std::string_view stop,
                                             std::string_view interval) {
    if (trim(start).empty()) return "it has no start time";
    if (trim(stop).empty()) return "it has no stop time";
    if (trim(interval).empty()) return "it has no interval";
    const auto first = parse_time_of_day(start);
    if (!first) return "the start time is not a time of day";
    const auto last = parse_time_of_day(stop);
    if (!last) return "the stop time is not a time of day";
    if (!interval_minutes(interval)) return "the interval is not one the schedule knows";
    if (first->hour > last->hour) return "the window crosses midnight";
    if (!is_schedule_mark(*first)) return "the start time is not on a ten-minute mark";
    return std::nullopt;
}

}  // namespace tw
