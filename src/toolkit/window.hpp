#pragma once

#include <string>

#include "toolkit/control.hpp"

namespace tw {

enum class window_state { normal, minimized, maximized };

// A form's own window. Sizes are in twips (1440 to the inch).
// Resize fires when the size or the window state changes; `unload` when the
// user closes the window.
class window : public control {
public:
    const std::string& caption() const { return caption_; }
    void set_caption(std::string caption) { update(caption_, std::move(caption)); }

    window_state state() const { return state_; }
    void set_state(window_state state) {
        if (update(state_, state)) resize();
    }

    int width() const { return width_; }
    int height() const { return height_; }
    void set_size(int width, int height) {
        bool changed = update(width_, width);
        changed = update(height_, height) || changed;
        if (changed) resize();
    }

    int left() const { return left_; }
    int top() const { return top_; }
    void move_to(int left, int top) {
        update(left_, left);
        update(top_, top);
    }

    event<> resize;
    event<> unload;

private:
    std::string caption_;
    window_state state_ = window_state::normal;
    int width_ = 0;
    int height_ = 0;
    int left_ = 0;
    int top_ = 0;
};

}  // namespace tw
