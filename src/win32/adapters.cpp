#include "win32/adapters.hpp"

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/windows/wide_text.hpp"
#include "toolkit/readable_text.hpp"
#include "win32/folder_window.hpp"
#include "win32/solid_brush.hpp"
#include "win32/win32_text.hpp"

namespace tw {

namespace {

HWND create_child(const wchar_t* window_class, DWORD style, DWORD extended_style, HWND parent) {
    return ::CreateWindowExW(extended_style, window_class, L"", WS_CHILD | WS_CLIPSIBLINGS | style,
                             0, 0, 0, 0, parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

// Controls whose whole look is a caption.
template <class Control>
class caption_window : public control_window {
public:
    caption_window(Control& control, HWND window)
        : control_window(control, window), control_(control) {}

protected:
    Control& control() const { return control_; }
    void mirror() override { show_text(window(), control_.caption()); }

private:
    Control& control_;
};

class label_window : public caption_window<label> {
public:
    using caption_window::caption_window;

    void command(int code) override {
        if (code == STN_CLICKED) from_user([this] { control().click(); });
    }
};

// A button window: as in a dialog, a click, Space or Enter on the one that
// has the focus presses it.
template <typename Control>
class pressed_window : public caption_window<Control> {
public:
    using caption_window<Control>::caption_window;

    void command(int code) override {
        if (code == BN_CLICKED) this->from_user([this] { this->control().click(); });
    }
    bool enter() override {
        ::SendMessageW(this->window(), BM_CLICK, 0, 0);
        return true;
    }
};

// A link is a button drawn as blue text: the keyboard reaches it with Tab.
class link_window : public pressed_window<label> {
public:
    using pressed_window::pressed_window;

    void draw(const DRAWITEMSTRUCT& item) override {
        RECT area = item.rcItem;
        ::FillRect(item.hDC, &area, ::GetSysColorBrush(COLOR_BTNFACE));
        ::SetBkMode(item.hDC, TRANSPARENT);
        ::SetTextColor(item.hDC, RGB(0, 0, 255));
        const std::wstring caption = widen(control().caption());
        ::DrawTextW(item.hDC, caption.c_str(), -1, &area, DT_WORDBREAK | DT_NOPREFIX);
        if (item.itemState & ODS_FOCUS) ::DrawFocusRect(item.hDC, &area);
    }
};

// Push buttons; one with a colour of its own draws itself in it.
class button_window : public pressed_window<button> {
public:
    using pressed_window::pressed_window;

    void draw(const DRAWITEMSTRUCT& item) override {
        RECT area = item.rcItem;
        brush_.fill(item.hDC, area, control().back_colour());
        ::DrawEdge(item.hDC, &area, (item.itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED,
                   BF_RECT | BF_ADJUST);
        ::SetBkMode(item.hDC, TRANSPARENT);
        ::SetTextColor(item.hDC, (item.itemState & ODS_DISABLED)
                                     ? ::GetSysColor(COLOR_GRAYTEXT)
                                     : to_colorref(text_colour_on(control().back_colour())));
        const std::wstring caption = widen(control().caption());
        ::DrawTextW(item.hDC, caption.c_str(), -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        if (item.itemState & ODS_FOCUS) {
            ::InflateRect(&area, -2, -2);
            ::DrawFocusRect(item.hDC, &area);
        }
    }

protected:
    void mirror() override {
        caption_window::mirror();
        const bool own_colour = !is_system_colour(control().back_colour());
        if (own_colour != owner_drawn_) {
            owner_drawn_ = own_colour;
            ::SendMessageW(window(), BM_SETSTYLE, own_colour ? BS_OWNERDRAW : BS_PUSHBUTTON, TRUE);
        }
        ::InvalidateRect(window(), nullptr, TRUE);
    }

private:
    bool owner_drawn_ = false;
    solid_brush brush_;
};

// The user ticks or clears; greyed is for the program to set.
class check_box_window : public caption_window<check_box> {
public:
    using caption_window::caption_window;

    void command(int code) override {
        if (code == BN_CLICKED)
            from_user([this] { control().set_value(control().value() == 1 ? 0 : 1); });
    }

protected:
    void mirror() override {
        caption_window::mirror();
        const int value = control().value();
        ::SendMessageW(window(), BM_SETCHECK,
                       value == 1   ? BST_CHECKED
                       : value == 2 ? BST_INDETERMINATE
                                    : BST_UNCHECKED,
                       0);
    }
};

// A pick is `choose`'s: it clears the rest of the group before it fires Click.
// The group is one Tab stop, its chosen option (the first while none is
// chosen), and the arrow keys choose within it, as the system's radio
// buttons do.
class option_window : public caption_window<option_button> {
public:
    option_window(option_choice choice, HWND window)
        : caption_window(*choice.choice, window), group_(choice.group) {}

    void command(int code) override {
        if (code != BN_CLICKED) return;
        from_user([this] { choose(control(), group_); });
    }

protected:
    void mirror() override {
        caption_window::mirror();
        ::SendMessageW(window(), BM_SETCHECK, control().value() ? BST_CHECKED : BST_UNCHECKED, 0);
        set_tab_stop(window(), control().value());
        const bool none_chosen = std::none_of(group_.begin(), group_.end(),
                                              [](const option_button& o) { return o.value(); });
        if (none_chosen) set_tab_stop(first_of_group(), true);
    }

private:
    static void set_tab_stop(HWND option, bool stop) {
        const LONG_PTR style = ::GetWindowLongPtrW(option, GWL_STYLE);
        ::SetWindowLongPtrW(option, GWL_STYLE, stop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }
    // The first option of a group starts it (WS_GROUP); the rest follow it.
    HWND first_of_group() const {
        HWND first = window();
        while (!(::GetWindowLongPtrW(first, GWL_STYLE) & WS_GROUP)) {
            const HWND before = ::GetWindow(first, GW_HWNDPREV);
            if (!before) break;
            first = before;
        }
        return first;
    }

    std::span<option_button> group_;
};

class text_box_window : public control_window {
public:
    text_box_window(text_box& control, HWND window)
        : control_window(control, window), control_(control) {}

    void command(int code) override {
        if (code == EN_CHANGE)
            from_user([this] { control_.set_text(narrow(window_text(window()))); });
        // Switching to another program is no loss of focus: the focus then
        // leaves the program's windows altogether.
        if (code == EN_KILLFOCUS && ::GetFocus()) from_user([this] { control_.lost_focus(); });
    }
    HBRUSH colour(HDC dc) override {
        if (is_system_colour(control_.back_colour())) return nullptr;
        ::SetBkColor(dc, to_colorref(control_.back_colour()));
        return brush_.get(control_.back_colour());
    }

protected:
    void mirror() override {
        show_text(window(), control_.text());
        ::SendMessageW(window(), EM_SETREADONLY, control_.locked(), 0);
        ::InvalidateRect(window(), nullptr, TRUE);
    }

private:
    text_box& control_;
    solid_brush brush_;
};

// The messages that work a list box or a combo box's list.
struct list_messages {
    UINT add, insert, remove, clear, select, selected;
    int changed;
};
constexpr list_messages list_box_messages{LB_ADDSTRING,    LB_INSERTSTRING, LB_DELETESTRING,
                                          LB_RESETCONTENT, LB_SETCURSEL,    LB_GETCURSEL,
                                          LBN_SELCHANGE};
constexpr list_messages combo_box_messages{CB_ADDSTRING,    CB_INSERTSTRING, CB_DELETESTRING,
                                           CB_RESETCONTENT, CB_SETCURSEL,    CB_GETCURSEL,
                                           CBN_SELCHANGE};

// Follows each change of the items as it happens, so filling a list of n
// items costs n steps, not n comparisons of whole lists.
template <class Control>
class item_list_window : public control_window {
public:
    item_list_window(Control& control, HWND window, const list_messages& messages)
        : control_window(control, window),
          control_(control),
          messages_(messages),
          follow_(control.items_changed.connect([this](item_change change) {
              quietly([&] {
                  follow(change);
                  followed(change);
              });
          })) {
        for (const std::string& item : control.items()) add(item);
    }

    void command(int code) override {
        if (code == messages_.changed)
            from_user([this] {
                control_.set_list_index(
                    static_cast<int>(::SendMessageW(window(), messages_.selected, 0, 0)));
            });
    }

protected:
    Control& control() const { return control_; }
    void mirror() override {
        ::SendMessageW(window(), messages_.select, static_cast<WPARAM>(control_.list_index()), 0);
    }
    // After the window has followed a change of the items.
    virtual void followed(item_change) {}

private:
    void add(const std::string& item) {
        ::SendMessageW(window(), messages_.add, 0, reinterpret_cast<LPARAM>(widen(item).c_str()));
    }
    void follow(item_change change) {
        const auto row = static_cast<WPARAM>(change.index);
        switch (change.kind) {
            case item_change::appended:
                add(control_.item(change.index));
                break;
            case item_change::removed:
                ::SendMessageW(window(), messages_.remove, row, 0);
                break;
            case item_change::replaced:
                ::SendMessageW(window(), messages_.remove, row, 0);
                ::SendMessageW(
                    window(), messages_.insert, row,
                    reinterpret_cast<LPARAM>(widen(control_.item(change.index)).c_str()));
                break;
            case item_change::cleared:
                ::SendMessageW(window(), messages_.clear, 0, 0);
                break;
        }
    }

    Control& control_;
    const list_messages& messages_;
    scoped_connection follow_;
};

// An editable box tells typing from a pick: text typed into it is no pick,
// even where the open list takes it for one of its items when Enter closes
// it. Enter, or the focus leaving it for another control of the form, ends
// the typing.
class combo_box_window : public item_list_window<combo_box> {
public:
    combo_box_window(combo_box& control, HWND window)
        : item_list_window(control, window, combo_box_messages) {}

    void command(int code) override {
        if (!control().editable()) return item_list_window::command(code);
        const bool entered = ::GetKeyState(VK_RETURN) < 0;
        if (code == CBN_SELCHANGE && !entered) item_list_window::command(code);
        if (code == CBN_EDITCHANGE)
            from_user([this] { control().set_text(narrow(window_text(window()))); });
        if ((code == CBN_CLOSEUP && entered) || (code == CBN_KILLFOCUS && focus_stays_on_form()))
            end_typing();
    }
    // With the list closed, Enter reaches the form, which hands it here.
    bool enter() override {
        if (!control().editable()) return false;
        end_typing();
        return true;
    }

protected:
    // The list selects what the control selects, also where the open list
    // went ahead to an item the typed text begins. Selecting a row replaces
    // the typed text, so the text is put back with the caret where it was.
    void mirror() override {
        if (!control().editable()) return item_list_window::mirror();
        if (::SendMessageW(window(), CB_GETCURSEL, 0, 0) != control().list_index()) {
            const LRESULT caret = ::SendMessageW(window(), CB_GETEDITSEL, 0, 0);
            item_list_window::mirror();
            show_text(window(), control().text());
            ::SendMessageW(window(), CB_SETEDITSEL, 0, caret);
        }
        show_text(window(), control().text());
    }

private:
    void end_typing() {
        from_user([this] { control().edit_ended(); });
    }
    // Switching to another program, or a box of this one taking the focus,
    // is no end of typing.
    bool focus_stays_on_form() const {
        const HWND focus = ::GetFocus();
        return focus && ::GetAncestor(focus, GA_ROOT) == ::GetAncestor(window(), GA_ROOT);
    }
};

// A list box shows whole rows and can be scrolled sideways to the end of its
// longest line. It rounds its height itself, from the height it was placed
// at, less the sideways bar when its lines need it: the system's rounding
// (without LBS_NOINTEGRALHEIGHT) takes a row off each time a change of the
// line extent shows that bar for a moment.
class list_box_window : public item_list_window<list_box> {
public:
    list_box_window(list_box& control, HWND window)
        : item_list_window(control, window, list_box_messages) {}

    void refit() override {
        RECT placed{};
        ::GetWindowRect(window(), &placed);
        placed_height_ = placed.bottom - placed.top;
        widest_ = 0;
        for (const std::string& item : control().items()) widen_to(item);
        show_extent();
    }

protected:
    void followed(item_change change) override {
        if (change.kind == item_change::appended)
            widen_to(control().item(change.index));
        else if (change.kind == item_change::cleared)
            widest_ = 0;
        else
            return refit();
        show_extent();
    }

private:
    static constexpr int margins = 6;  // the row's own space left and right of its text

    void widen_to(const std::string& item) {
        const HDC dc = ::GetDC(window());
        const HGDIOBJ old =
            ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(window(), WM_GETFONT, 0, 0)));
        const std::wstring text = widen(item);
        SIZE size{};
        ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        ::SelectObject(dc, old);
        ::ReleaseDC(window(), dc);
        widest_ = std::max(widest_, static_cast<int>(size.cx));
    }
    void show_extent() {
        ::SendMessageW(window(), LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest_ + margins), 0);
        show_whole_rows();
    }
    void show_whole_rows() {
        const auto row = static_cast<int>(::SendMessageW(window(), LB_GETITEMHEIGHT, 0, 0));
        if (placed_height_ <= 0 || row <= 0) return;
        RECT outer{}, inner{};
        ::GetWindowRect(window(), &outer);
        ::GetClientRect(window(), &inner);
        const int bar = ::GetSystemMetrics(SM_CYHSCROLL);
        const bool bar_shown = ::GetWindowLongPtrW(window(), GWL_STYLE) & WS_HSCROLL;
        const int edges = outer.bottom - outer.top - inner.bottom - (bar_shown ? bar : 0);
        const bool bar_needed = widest_ + margins > inner.right;
        const int rows = placed_height_ - edges - (bar_needed ? bar : 0);
        const int height = placed_height_ - rows % row;
        if (height != outer.bottom - outer.top)
            ::SetWindowPos(window(), nullptr, 0, 0, outer.right - outer.left, height,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    int widest_ = 0;
    int placed_height_ = 0;
};

class scroll_bar_window : public control_window {
public:
    scroll_bar_window(scroll_bar& control, HWND window)
        : control_window(control, window), control_(control) {}

    void scroll(int request, int position) override {
        int value = control_.value();
        switch (request) {
            case SB_LINEUP:
            case SB_PAGEUP:
                --value;
                break;
            case SB_LINEDOWN:
            case SB_PAGEDOWN:
                ++value;
                break;
            case SB_THUMBTRACK:
            case SB_THUMBPOSITION:
                value = position;
                break;
            case SB_TOP:
                value = control_.min();
                break;
            case SB_BOTTOM:
                value = control_.max();
                break;
            default:
                return;
        }
        value = std::max(std::min(value, control_.max()), control_.min());
        from_user([this, value] { control_.set_value(value); });
    }

protected:
    void mirror() override {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_POS | SIF_DISABLENOSCROLL;
        info.nMin = control_.min();
        info.nMax = std::max(control_.min(), control_.max());
        info.nPos = control_.value();
        ::SetScrollInfo(window(), SB_CTL, &info, TRUE);
    }

private:
    scroll_bar& control_;
};

class drive_list_window : public control_window {
public:
    drive_list_window(drive_list& control, HWND window)
        : control_window(control, window), control_(control) {}

    void command(int code) override {
        if (code != CBN_SELCHANGE) return;
        const auto row = ::SendMessageW(window(), CB_GETCURSEL, 0, 0);
        if (row >= 0 && static_cast<std::size_t>(row) < control_.drives().size())
            from_user([&] { control_.set_path(control_.drives()[static_cast<std::size_t>(row)]); });
    }

protected:
    void mirror() override {
        if (shown_drives_ != control_.drives()) {
            shown_drives_ = control_.drives();
            ::SendMessageW(window(), CB_RESETCONTENT, 0, 0);
            for (const std::string& drive : shown_drives_)
                ::SendMessageW(window(), CB_ADDSTRING, 0,
                               reinterpret_cast<LPARAM>(widen(drive).c_str()));
        }
        const auto found = std::find(shown_drives_.begin(), shown_drives_.end(), control_.path());
        const auto row = found == shown_drives_.end() ? -1 : found - shown_drives_.begin();
        ::SendMessageW(window(), CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    }

private:
    drive_list& control_;
    std::vector<std::string> shown_drives_;
};

class tab_window : public control_window {
public:
    tab_window(tab_control& control, HWND window, std::function<void()> shown)
        : control_window(control, window), control_(control), shown_(std::move(shown)) {
        for (std::size_t i = 0; i < control.captions().size(); ++i) {
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            std::wstring caption = widen(control.captions()[i]);
            item.pszText = caption.data();
            ::SendMessageW(window, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
        }
    }

    void command(int code) override {
        if (code == static_cast<int>(TCN_SELCHANGE))
            from_user([this] {
                control_.set_tab(static_cast<int>(::SendMessageW(window(), TCM_GETCURSEL, 0, 0)));
            });
    }

protected:
    void mirror() override {
        ::SendMessageW(window(), TCM_SETCURSEL, static_cast<WPARAM>(control_.tab()), 0);
        if (std::exchange(shown_tab_, control_.tab()) != control_.tab()) shown_();
    }

private:
    tab_control& control_;
    std::function<void()> shown_;
    int shown_tab_ = -1;
};

class status_window : public caption_window<status_bar> {
public:
    using caption_window::caption_window;

protected:
    void mirror() override {
        ::SendMessageW(window(), SB_SETTEXTW, SB_SIMPLEID,
                       reinterpret_cast<LPARAM>(widen(control().text()).c_str()));
    }
};

// Every control starts a group of its own, but for the options after the
// first of a group: the arrow keys move within a group.
constexpr DWORD tab_stop = WS_TABSTOP | WS_GROUP;
// Lists scroll sideways to their longest line.
constexpr DWORD list_style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | tab_stop;
// Rows an open drop-down list shows at most.
constexpr int drop_down_rows = 12;

HWND create_combo_box(DWORD kind, HWND parent) {
    const HWND box = create_child(L"COMBOBOX", kind | WS_VSCROLL | tab_stop, 0, parent);
    ::SendMessageW(box, CB_SETMINVISIBLE, drop_down_rows, 0);
    return box;
}

// Each kind of control in the child window that shows it.
struct maker {
    HWND parent;
    label_look look;

    std::unique_ptr<control_window> operator()(button* c) const {
        return std::make_unique<button_window>(
            *c, create_child(L"BUTTON", BS_PUSHBUTTON | tab_stop, 0, parent));
    }
    std::unique_ptr<control_window> operator()(label* c) const {
        if (look == label_look::link)
            return std::make_unique<link_window>(
                *c, create_child(L"BUTTON", BS_OWNERDRAW | tab_stop, 0, parent));
        const DWORD edge = look == label_look::sunken ? WS_EX_STATICEDGE : 0;
        return std::make_unique<label_window>(
            *c, create_child(L"STATIC", SS_LEFT | SS_NOTIFY | SS_NOPREFIX, edge, parent));
    }
    std::unique_ptr<control_window> operator()(frame* c) const {
        return std::make_unique<caption_window<frame>>(
            *c, create_child(L"BUTTON", BS_GROUPBOX, 0, parent));
    }
    std::unique_ptr<control_window> operator()(check_box* c) const {
        return std::make_unique<check_box_window>(
            *c, create_child(L"BUTTON", BS_3STATE | tab_stop, 0, parent));
    }
    std::unique_ptr<control_window> operator()(option_choice c) const {
        const DWORD first = c.choice == c.group.data() ? WS_GROUP : 0;
        return std::make_unique<option_window>(
            c, create_child(L"BUTTON", BS_AUTORADIOBUTTON | first, 0, parent));
    }
    std::unique_ptr<control_window> operator()(text_box* c) const {
        return std::make_unique<text_box_window>(
            *c, create_child(L"EDIT", ES_AUTOHSCROLL | tab_stop, WS_EX_CLIENTEDGE, parent));
    }
    std::unique_ptr<control_window> operator()(combo_box* c) const {
        const DWORD kind = c->editable() ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST;
        return std::make_unique<combo_box_window>(*c, create_combo_box(kind, parent));
    }
    std::unique_ptr<control_window> operator()(list_box* c) const {
        return std::make_unique<list_box_window>(
            *c, create_child(L"LISTBOX", list_style, WS_EX_CLIENTEDGE, parent));
    }
    std::unique_ptr<control_window> operator()(scroll_bar* c) const {
        return std::make_unique<scroll_bar_window>(
            *c, create_child(L"SCROLLBAR", SBS_VERT | tab_stop, 0, parent));
    }
    std::unique_ptr<control_window> operator()(drive_list* c) const {
        return std::make_unique<drive_list_window>(*c, create_combo_box(CBS_DROPDOWNLIST, parent));
    }
    std::unique_ptr<control_window> operator()(folder_list* c) const {
        return make_folder_window(*c,
                                  create_child(L"LISTBOX", list_style, WS_EX_CLIENTEDGE, parent));
    }
};

}  // namespace

std::unique_ptr<control_window> make_control_window(const placement& p, HWND parent) {
    auto made = std::visit(maker{parent, p.look}, p.control);
    made->sync();
    return made;
}

std::unique_ptr<control_window> make_tab_window(tab_control& tabs, HWND parent,
                                                std::function<void()> shown) {
    auto made = std::make_unique<tab_window>(
        tabs, create_child(WC_TABCONTROLW, WS_VISIBLE | tab_stop, 0, parent), std::move(shown));
    // Drawn plainly, in the colour of the controls on it: a themed page
    // would be lighter than their backgrounds.
    ::SetWindowTheme(made->window(), L"", L"");
    made->sync();
    return made;
}

std::unique_ptr<control_window> make_status_window(status_bar& status, HWND parent) {
    auto made = std::make_unique<status_window>(
        status, create_child(STATUSCLASSNAMEW, WS_VISIBLE, 0, parent));
    ::SendMessageW(made->window(), SB_SIMPLE, TRUE, 0);
    made->sync();
    return made;
}

}  // namespace tw
