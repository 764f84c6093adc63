#include "toolkit/layout.hpp"

namespace tw {

twips_rect on_page(const placement& p, const std::vector<placement>& page) {
    twips_rect at = p.at;
    for (const frame* holder = p.in; holder;) {
        const placement* outer = nullptr;
        for (const placement& candidate : page)
            if (const auto* f = std::get_if<frame*>(&candidate.control); f && *f == holder)
                outer = &candidate;
        if (!outer) break;
        at.left += outer->at.left;
        at.top += outer->at.top;
        holder = outer->in;
    }
    return at;
}

}  // namespace tw
