#pragma once

#include "toolkit/layout.hpp"

class QMenuBar;
class QWidget;

namespace tw {

// A form's controls as widgets where its layout places them, each named
// after and tied to its control: a QTabWidget of the pages when the form
// has tabs, else the one page. The widget becomes a child of `parent`.
QWidget* build_pages(const form_layout& layout, QWidget* parent);
// The form's menus on `bar`.
void build_menus(const form_layout& layout, QMenuBar* bar);
// A whole modal form on `owner`: its menu bar, if any, above its page.
void build_form_view(const form_layout& layout, QWidget& owner);

}  // namespace tw
