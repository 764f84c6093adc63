#include "scoped_env.hpp"

#include <cstdlib>

namespace tw::testing {

scoped_env::scoped_env(const char* name, const char* value) : name_(name) {
    if (const char* was = std::getenv(name)) old_ = was;
    set(value);
}

scoped_env::~scoped_env() { set(old_ ? old_->c_str() : nullptr); }

void scoped_env::set(const char* value) {
#ifdef _WIN32
    // An empty value removes the variable there.
    ::_putenv_s(name_.c_str(), value ? value : "");
#else
    value ? ::setenv(name_.c_str(), value, 1) : ::unsetenv(name_.c_str());
#endif
}

}  // namespace tw::testing
