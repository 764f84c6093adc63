#include "win32/folder_window.hpp"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/windows/wide_text.hpp"

namespace tw {

namespace {

namespace fs = std::filesystem;

// A shown folder: its path and its depth below the drive.
struct shown_folder {
    fs::path path;
    int depth;
};

std::vector<shown_folder> folders_around(const fs::path& chosen) {
    std::vector<fs::path> chain;
    for (fs::path step = chosen; !step.empty(); step = step.parent_path()) {
        chain.push_back(step);
        if (step == step.parent_path()) break;
    }
    std::reverse(chain.begin(), chain.end());
    std::vector<shown_folder> shown;
    for (const fs::path& step : chain) shown.push_back({step, static_cast<int>(shown.size())});

    std::vector<fs::path> inside;
    std::error_code error;
    for (fs::directory_iterator it(chosen, fs::directory_options::skip_permission_denied, error),
         end;
         !error && it != end; it.increment(error))
        if (it->is_directory(error)) inside.push_back(it->path());
    std::sort(inside.begin(), inside.end());
    const int depth = static_cast<int>(chain.size());
    for (const fs::path& folder : inside) shown.push_back({folder, depth});
    return shown;
}

std::wstring shown_name(const shown_folder& folder) {
    const fs::path name = folder.path.filename();
    return std::wstring(static_cast<std::size_t>(folder.depth) * 2, L' ') +
           (name.empty() ? folder.path.wstring() : name.wstring());
}

class folder_window : public control_window {
public:
    folder_window(folder_list& control, HWND window)
        : control_window(control, window), control_(control) {}

    void command(int code) override {
        if (code != LBN_SELCHANGE) return;
        const auto row = ::SendMessageW(window(), LB_GETCURSEL, 0, 0);
        if (row < 0 || static_cast<std::size_t>(row) >= shown_.size()) return;
        const std::string path = narrow(shown_[static_cast<std::size_t>(row)].path.wstring());
        from_user([&] { control_.set_path(path); });
    }

protected:
    void mirror() override {
        if (control_.path() == shown_path_) return;
        shown_path_ = control_.path();
        shown_ = folders_around(fs::path(widen(shown_path_)));
        ::SendMessageW(window(), LB_RESETCONTENT, 0, 0);
        for (const shown_folder& folder : shown_)
            ::SendMessageW(window(), LB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(shown_name(folder).c_str()));
        // The chosen folder ends the chain from the drive, whose rows come first.
        const auto chosen = std::find_if(shown_.begin(), shown_.end(), [&](const shown_folder& f) {
            return f.path == fs::path(widen(shown_path_));
        });
        ::SendMessageW(window(), LB_SETCURSEL,
                       static_cast<WPARAM>(chosen == shown_.end() ? -1 : chosen - shown_.begin()),
                       0);
    }

private:
    folder_list& control_;
    std::string shown_path_ = "\n";  // no path yet
    std::vector<shown_folder> shown_;
};

}  // namespace

std::unique_ptr<control_window> make_folder_window(folder_list& control, HWND list_box) {
    return std::make_unique<folder_window>(control, list_box);
}

}  // namespace tw
