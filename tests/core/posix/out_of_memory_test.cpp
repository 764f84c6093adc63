#include "core/out_of_memory.hpp"

#include <gtest/gtest.h>

#include <new>
#include <thread>

namespace tw {
namespace {

// Uncaught on a thread of its own, as it would be in the window's event loop.
TEST(out_of_memory, ends_the_program_with_one_line_and_its_exit_code_wherever_it_happens) {
    EXPECT_EXIT(
        {
            end_on_out_of_memory();
            std::thread([] { throw std::bad_alloc(); }).join();
        },
        ::testing::ExitedWithCode(exit_out_of_memory), "^tarnwick: out of memory; ");
}

}  // namespace
}  // namespace tw
