#pragma once

#include <cstdlib>
#include <iostream>

namespace tw::testing {

// The seed of a random test run: the environment variable `replay` when set,
// else `fresh`. It is printed, so that a failing run can be replayed.
inline unsigned test_seed(const char* test, const char* replay, unsigned fresh) {
    const char* given = std::getenv(replay);
    const unsigned seed = given ? static_cast<unsigned>(std::strtoul(given, nullptr, 10)) : fresh;
    std::cout << test << " seed: " << seed << " (" << replay << " replays it)" << std::endl;
    return seed;
}

}  // namespace tw::testing
