#include "win32/form_fonts.hpp"

namespace tw {

void form_fonts::make(int dpi) {
    release();
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    LOGFONTW font = metrics.lfMessageFont;
    font.lfHeight = -::MulDiv(form_font_points, dpi, 72);
    font.lfWidth = 0;
    text_ = ::CreateFontIndirectW(&font);
    LOGFONTW heading = font;
    heading.lfHeight *= 2;
    heading.lfWeight = FW_BOLD;
    heading_ = ::CreateFontIndirectW(&heading);
    LOGFONTW link = font;
    link.lfUnderline = TRUE;
    link_ = ::CreateFontIndirectW(&link);
}

HFONT form_fonts::font_for(label_look look) const {
    switch (look) {
        case label_look::heading:
            return heading_;
        case label_look::link:
            return link_;
        case label_look::plain:
        case label_look::sunken:
            break;
    }
    return text_;
}

void form_fonts::release() {
    for (HFONT* font : {&text_, &heading_, &link_}) {
        if (*font) ::DeleteObject(*font);
        *font = nullptr;
    }
}

}  // namespace tw
