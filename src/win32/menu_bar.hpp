#pragma once

#include <windows.h>

#include <vector>

#include "toolkit/layout.hpp"

namespace tw {

// A form's menus on its window's menu bar. Win32 menus have no hidden
// entries, so the bar is made again, with the visible entries only,
// whenever an entry's caption, visible or enabled state changes.
class menu_bar {
public:
    menu_bar(std::vector<menu_layout> menus, HWND window);
    ~menu_bar();
    menu_bar(const menu_bar&) = delete;
    menu_bar& operator=(const menu_bar&) = delete;

    // The user chose the entry with command `id` (a WM_COMMAND from a menu).
    void chosen(UINT id);

private:
    void rebuild();
    void add_entry(HMENU menu, menu_item& item, HMENU submenu);
    UINT id_of(menu_item& item);

    std::vector<menu_layout> menus_;
    HWND window_;
    std::vector<menu_item*> items_;  // entry i has command id first_id + i
    std::vector<scoped_connection> watches_;
};

}  // namespace tw
