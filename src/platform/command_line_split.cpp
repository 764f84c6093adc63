#include "platform/command_line_split.hpp"

#include <algorithm>

namespace tw {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// Reads one argument starting at `at` (not a blank); leaves `at` after it.
std::string next_argument(std::string_view text, std::size_t& at) {
    std::string argument;
    bool quoted = false;
    while (at < text.size() && (quoted || !is_blank(text[at]))) {
        const char c = text[at];
        if (c == '\\') {
            const std::size_t count = std::min(text.find_first_not_of('\\', at), text.size()) - at;
            at += count;
            const bool before_quote = at < text.size() && text[at] == '"';
            argument.append(before_quote ? count / 2 : count, '\\');
            // An odd backslash escapes the quote: it is kept and quoting is unchanged.
            if (before_quote && count % 2 == 1) {
                argument += '"';
                ++at;
            }
        } else if (c == '"' && quoted && at + 1 < text.size() && text[at + 1] == '"') {
            argument += '"';
            at += 2;
        } else if (c == '"') {
            quoted = !quoted;
            ++at;
        } else {
            argument += c;
            ++at;
        }
    }
    return argument;
}

}  // namespace

std::vector<std::string> split_command_line(std::string_view text) {
    std::vector<std::string> arguments;
    std::size_t at = 0;
    for (;;) {
        while (at < text.size() && is_blank(text[at])) ++at;
        if (at == text.size()) return arguments;
        arguments.push_back(next_argument(text, at));
    }
}

std::string quote_argument(std::string_view argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string_view::npos)
        return std::string(argument);
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            quoted += c;
            continue;
        }
        // Backslashes before a quote are doubled, and the quote escaped.
        if (c == '"') quoted.append(backslashes + 1, '\\');
        backslashes = 0;
        quoted += c;
    }
    // Backslashes before the closing quote are doubled too.
    quoted.append(backslashes, '\\');
    return quoted + '"';
}

}  // namespace tw
