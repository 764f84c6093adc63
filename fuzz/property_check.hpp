#pragma once

#include <cstdlib>

namespace tw::fuzz {

// A broken property ends the run as a crash, which libFuzzer reports with its input.
inline void check(bool holds) {
    if (!holds) std::abort();
}

}  // namespace tw::fuzz
