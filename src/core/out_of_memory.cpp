#include "core/out_of_memory.hpp"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>

namespace tw {

namespace {

std::terminate_handler previous_handler = nullptr;

// Nothing here allocates: there may be no memory left to allocate.
[[noreturn]] void on_terminate() {
    if (const std::exception_ptr error = std::current_exception()) {
        try {
            std::rethrow_exception(error);
        } catch (const std::bad_alloc&) {
            std::fputs("tarnwick: out of memory; the program ends without writing anything more\n",
                       stderr);
            std::fflush(stderr);
            std::_Exit(exit_out_of_memory);
        } catch (...) {
        }
    }
    if (previous_handler) previous_handler();
    std::abort();
}

}  // namespace

void end_on_out_of_memory() {
    const std::terminate_handler previous = std::set_terminate(on_terminate);
    if (previous != on_terminate) previous_handler = previous;
}

}  // namespace tw
