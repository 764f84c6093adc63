#include "platform/phonebook_editor.hpp"

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/command_line_split.hpp"
#include "platform/posix/find_in_path.hpp"

namespace tw {

namespace {

// The user's editor: $VISUAL, else $EDITOR, else the desktop's opener. The
// variables may carry arguments ("code --wait"); they are split as task
// parameters are. An opener hands the file on and returns at once, so the
// entries are then refreshed before the user has edited them.
std::vector<std::string> editor_words() {
    for (const char* variable : {"VISUAL", "EDITOR"}) {
        const char* value = std::getenv(variable);
        if (auto words = split_command_line(value ? value : ""); !words.empty()) return words;
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
