#pragma once

#include <string>

namespace tw {

class program;
class text_box;

// Finding the installed browsers, choosing one, and the two windows that do
// it: frm_apps and frm_browser_selection. The choice is the program's
// browser_path, stored by the settings file.
class browser_selection {
public:
    explicit browser_selection(program& p);

    // Loads frm_apps and shows it modally, centred; returns when it closes.
    // The Applications menu's "Browser" and the web pages open it.
    void show_apps_window();
    // Without a browser: shows `why` and then frm_apps. Whether a browser is
    // chosen now.
    bool ask_for_browser(const char* why);

    // Looks both browsers up in the registry; one found keeps its path in
    // netscape_path or iexplore_path (stored as a picked path is).
    void find_browsers();
    // The file dialog for a browser the registry does not know.
    void choose_browser_file();

    // frm_apps
    void Form_Load();
    void Command1_Click();  // Select
    void Command3_Click();  // Exit
    void o_browser_LostFocus();
    // frm_browser_selection
    void choice_Command1_Click();  // the first browser
    void choice_Command2_Click();  // the second browser
    void choice_Command3_Click();  // Cancel

    // The browsers the registry named, for this run of the program.
    std::string netscape_path;
    std::string iexplore_path;

private:
    // Empties `box` with a beep unless it names a file that can be opened.
    void check_file_box(text_box& box);
    void choose(const std::string& path);

    program& p_;
};

}  // namespace tw
