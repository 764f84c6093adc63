#include "platform/make_system_info.hpp"

#include "platform/posix/posix_system_info.hpp"

namespace tw {

std::unique_ptr<system_info> make_system_info() { return std::make_unique<posix_system_info>(); }

}  // namespace tw
