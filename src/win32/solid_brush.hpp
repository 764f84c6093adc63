#pragma once

#include <windows.h>

#include "toolkit/control.hpp"

namespace tw {

inline bool is_system_colour(colour c) { return (c & 0x80000000u) != 0; }
// A stored colour as the system draws it: 0x00BBGGRR already is one; a
// system colour is looked up.
inline COLORREF to_colorref(colour c) {
    return is_system_colour(c) ? ::GetSysColor(static_cast<int>(c & 0xFFu)) : c;
}

// A brush of one colour, made again only when the colour changes.
class solid_brush {
public:
    solid_brush() = default;
    ~solid_brush() { release(); }
    solid_brush(const solid_brush&) = delete;
    solid_brush& operator=(const solid_brush&) = delete;

    HBRUSH get(colour c) {
        if (!brush_ || c != colour_) {
            release();
            colour_ = c;
            brush_ = ::CreateSolidBrush(to_colorref(c));
        }
        return brush_;
    }
    void fill(HDC dc, const RECT& area, colour c) { ::FillRect(dc, &area, get(c)); }

private:
    void release() {
        if (brush_) ::DeleteObject(brush_);
        brush_ = nullptr;
    }

    HBRUSH brush_ = nullptr;
    colour colour_ = 0;
};

}  // namespace tw
