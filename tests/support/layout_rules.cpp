#include "layout_rules.hpp"

#include <algorithm>

#include "forms/frm_main_layout.hpp"
#include "program.hpp"
#include "toolkit/twips.hpp"

namespace tw::testing {

std::vector<modal_form> every_form(program& p) {
    std::vector<modal_form> forms{{&p.main.form, frm_main_layout(p.main)}};
    for (modal_form& f : modal_forms(p)) forms.push_back(std::move(f));
    return forms;
}

namespace {

bool overlap(const twips_rect& a, const twips_rect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// The placement of frame `f` on `page`, or null.
const placement* placement_of(const frame* f, const std::vector<placement>& page) {
    for (const placement& c : page)
        if (f && control_of(c.control) == f) return &c;
    return nullptr;
}

// Whether `holder` is a frame that holds `p`, directly or through other frames.
bool holds(const placement& holder, const placement& p, const std::vector<placement>& page) {
    for (const placement* in = placement_of(p.in, page); in; in = placement_of(in->in, page))
        if (in == &holder) return true;
    return false;
}

}  // namespace

std::vector<std::string> controls_outside_page(const modal_form& form, int dpi,
                                               const page_margins& around) {
    const int width = twips_to_pixels(form.form->width(), dpi) - around.left - around.right;
    const int height = twips_to_pixels(form.form->height(), dpi) - around.top - around.bottom;
    std::vector<std::string> outside;
    for (const auto& page : form.layout.pages)
        for (const placement& p : page) {
            const twips_rect at = on_page(p, page);
            const int left = twips_to_pixels(at.left, dpi), top = twips_to_pixels(at.top, dpi);
            const int right = left + twips_to_pixels(at.width, dpi);
            const int bottom = top + twips_to_pixels(at.height, dpi);
            if (left < 0 || top < 0 || right > width || bottom > height)
                outside.push_back(std::string(p.name) + " reaches " + std::to_string(right) + "," +
                                  std::to_string(bottom) + " px of a page of " +
                                  std::to_string(width) + "x" + std::to_string(height));
        }
    return outside;
}

std::vector<std::string> overlapping_controls(const form_layout& layout) {
    std::vector<std::string> faults;
    for (const auto& page : layout.pages)
        for (auto a = page.begin(); a != page.end(); ++a) {
            if (const placement* in = placement_of(a->in, page);
                in && (a->at.left < 0 || a->at.top < 0 || a->at.left + a->at.width > in->at.width ||
                       a->at.top + a->at.height > in->at.height))
                faults.push_back(std::string(a->name) + " sticks out of its frame");
            for (auto b = a + 1; b != page.end(); ++b)
                if (overlap(on_page(*a, page), on_page(*b, page)) && !holds(*a, *b, page) &&
                    !holds(*b, *a, page))
                    faults.push_back(std::string(a->name) + " overlaps " + b->name);
        }
    return faults;
}

control* control_of(const placed_control& c) {
    return std::visit(
        [](auto placed) -> control* {
            if constexpr (std::is_same_v<decltype(placed), option_choice>)
                return placed.choice;
            else
                return placed;
        },
        c);
}

std::string caption_of(const placement& p) {
    const auto* shown = dynamic_cast<const captioned_control*>(control_of(p.control));
    return shown ? shown->caption() : "";
}

std::vector<std::string> in_tab_order(const form_layout& layout, std::size_t page,
                                      std::vector<std::string> focusable) {
    std::vector<std::string> order;
    for (const placement& p : layout.pages.at(page)) order.emplace_back(p.name);
    if (layout.tabs) order.emplace_back(layout.tabs_name);
    const auto rank = [&](const std::string& name) {
        return std::find(order.begin(), order.end(), name) - order.begin();
    };
    std::stable_sort(focusable.begin(), focusable.end(),
                     [&](const std::string& a, const std::string& b) { return rank(a) < rank(b); });
    return focusable;
}

}  // namespace tw::testing
