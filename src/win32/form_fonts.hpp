#pragma once

#include <windows.h>

#include "toolkit/layout.hpp"

namespace tw {

// The fonts of a form at one DPI: the system's dialog font family at the
// size the forms are laid out for, and the looks labels may have.
class form_fonts {
public:
    form_fonts() = default;
    ~form_fonts() { release(); }
    form_fonts(const form_fonts&) = delete;
    form_fonts& operator=(const form_fonts&) = delete;

    void make(int dpi);
    HFONT font_for(label_look look) const;
    HFONT text() const { return text_; }

private:
    void release();

    HFONT text_ = nullptr;
    HFONT heading_ = nullptr;
    HFONT link_ = nullptr;
};

}  // namespace tw
