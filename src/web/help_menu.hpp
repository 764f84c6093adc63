#pragma once

namespace tw {

class program;

// The Help menu: the help page, the maker's web pages, the about box.
class help_menu {
public:
    explicit help_menu(program& p);

    void menuHelpItem_Click(int index);
    void menuOnlineItem_Click(int index);
    void about_b_ok_Click();

private:
    void show_about_box();

    program& p_;
};

}  // namespace tw
