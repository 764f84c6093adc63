#include "core/command_line.hpp"

#include "platform/path_rules.hpp"

namespace tw {

namespace {

std::string entry_after_s(const std::string& cmd, std::size_t at) {
    std::string rest = trim(at + 3 <= cmd.size() ? std::string_view(cmd).substr(at + 3) : "");
    if (const auto slash = rest.find('/'); slash != std::string::npos)
        rest = trim(std::string_view(rest).substr(0, slash));
    return rest;
}

}  // namespace

switch_answer query_switch(std::string_view which, std::string_view command_line,
                           const std::vector<std::string>& entries) {
    const std::string sw = lower(std::string(which));
    const std::string cmd = lower(std::string(command_line));
    const std::pair<const char*, const char*> flags[] = {
        {"/a", "auto"}, {"/d", "dialit"}, {"/t", "rtac"}, {"/x", "exit"}};
    for (const auto& [flag, answer] : flags)
        if (sw == flag) return {cmd.find(flag) != std::string::npos ? answer : ""};
    if (sw != "/s") return {sw};

    const auto at = cmd.find("/s");
    if (at == std::string::npos) return {""};
    const std::string name = entry_after_s(cmd, at);
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (lower(entries[i]) == name) return {name, static_cast<int>(i)};
    return {""};
}

// Lower-casing keeps every byte in its place, so the switch is found in the
// lower-cased line and the name taken from the line as typed.
std::optional<std::string> name_after_s(std::string_view command_line) {
    const std::string typed(command_line);
    const auto at = lower(typed).find("/s");
    if (at == std::string::npos) return std::nullopt;
    return entry_after_s(typed, at);
}

}  // namespace tw
