#pragma once

#include <exception>

namespace tw {

// Runs one step of a procedure whose steps must all be tried: a failure the
// step raises is dropped and the caller goes on with its next step.
template <class Step>
void ignore_errors(Step&& step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

}  // namespace tw
