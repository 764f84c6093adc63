#include "platform/make_processes.hpp"

#include "platform/posix/posix_processes.hpp"

namespace tw {

std::unique_ptr<processes> make_processes() { return std::make_unique<posix_processes>(); }

}  // namespace tw
