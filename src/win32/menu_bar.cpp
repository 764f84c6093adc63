#include "win32/menu_bar.hpp"

#include <algorithm>

#include "platform/windows/wide_text.hpp"

namespace tw {

namespace {

constexpr UINT first_id = 1000;

}  // namespace

menu_bar::menu_bar(std::vector<menu_layout> menus, HWND window)
    : menus_(std::move(menus)), window_(window) {
    const auto follow = [this](menu_item& item) {
        items_.push_back(&item);
        watches_.push_back(item.state_changed.connect([this] { rebuild(); }));
    };
    for (const menu_layout& menu : menus_)
        for (const menu_entry& entry : menu.entries) {
            follow(*entry.item);
            for (menu_item& item : entry.submenu) follow(item);
        }
    rebuild();
}

menu_bar::~menu_bar() {
    if (const HMENU bar = ::GetMenu(window_)) {
        ::SetMenu(window_, nullptr);
        ::DestroyMenu(bar);
    }
}

UINT menu_bar::id_of(menu_item& item) {
    return first_id +
           static_cast<UINT>(std::find(items_.begin(), items_.end(), &item) - items_.begin());
}

void menu_bar::add_entry(HMENU menu, menu_item& item, HMENU submenu) {
    if (!item.visible()) {
        if (submenu) ::DestroyMenu(submenu);
        return;
    }
    if (item.caption() == "-") {
        ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        return;
    }
    const UINT state = item.enabled() ? MF_ENABLED : MF_GRAYED;
    const std::wstring caption = widen(item.caption());
    if (submenu)
        ::AppendMenuW(menu, MF_POPUP | state, reinterpret_cast<UINT_PTR>(submenu), caption.c_str());
    else
        ::AppendMenuW(menu, MF_STRING | state, id_of(item), caption.c_str());
}

void menu_bar::rebuild() {
    const HMENU bar = ::CreateMenu();
    for (const menu_layout& menu : menus_) {
        const HMENU drop_down = ::CreatePopupMenu();
        for (const menu_entry& entry : menu.entries) {
            HMENU submenu = nullptr;
            if (!entry.submenu.empty()) {
                submenu = ::CreatePopupMenu();
                for (menu_item& item : entry.submenu) add_entry(submenu, item, nullptr);
            }
            add_entry(drop_down, *entry.item, submenu);
        }
        ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(drop_down),
                      widen(menu.title).c_str());
    }
    const HMENU old = ::GetMenu(window_);
    ::SetMenu(window_, bar);
    if (old) ::DestroyMenu(old);
    ::DrawMenuBar(window_);
}

void menu_bar::chosen(UINT id) {
    if (id < first_id || id - first_id >= items_.size()) return;
    menu_item& item = *items_[id - first_id];
    item.click(item.index());
}

}  // namespace tw
