#include "platform/phonebook_editor.hpp"

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/command_line_split.hpp"
#include "platform/posix/find_in_path.hpp"
#include "platform/posix/terminal_programs.hpp"

namespace tw {

namespace {

// The user's editor: $VISUAL, else $EDITOR, split as task parameters are
// ("code --wait"). An editor for a terminal (vi, nano) gets a window of its
// own, as the program has no terminal to lend it. Without either, the
// desktop's opener shows the file in the desktop's text editor; it hands the
// file on and returns at once, so the entries are then refreshed before the
// user has edited them.
std::vector<std::string> editor_words() {
    for (const char* variable : {"VISUAL", "EDITOR"}) {
        const char* value = std::getenv(variable);
        std::vector<std::string> words = split_command_line(value ? value : "");
        if (words.empty()) continue;
        if (needs_terminal(words.front()))
            words.insert(words.begin(), {"x-terminal-emulator", "-e"});
        return words;
    }
    return {"xdg-open"};
}

}  // namespace

editor_command phonebook_editor(const std::string& phonebook_file) {
    const std::vector<std::string> words = editor_words();
    const char* search_path = std::getenv("PATH");
    editor_command command{find_in_path(words.front(), search_path ? search_path : ""), ""};
    for (std::size_t i = 1; i < words.size(); ++i)
        command.parameters += quote_argument(words[i]) + " ";
    command.parameters += quote_argument(phonebook_file);
    return command;
}

}  // namespace tw
