#include "platform/make_processes.hpp"

#include "platform/windows/windows_processes.hpp"

namespace tw {

std::unique_ptr<processes> make_processes() { return std::make_unique<windows_processes>(); }

}  // namespace tw
