#include "platform/path_rules.hpp"

namespace tw {

const path_rules& native_paths() {
    static const path_rules rules = path_rules::windows();
    return rules;
}

}  // namespace tw
