#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace tw::testing {

// Sets (nullptr: unsets) an environment variable until the end of the scope.
struct scoped_env {
    const char* name;
    std::optional<std::string> old;
    scoped_env(const char* n, const char* value) : name(n) {
        if (const char* was = std::getenv(n)) old = was;
        set(value);
    }
    ~scoped_env() { set(old ? old->c_str() : nullptr); }
    void set(const char* value) { value ? ::setenv(name, value, 1) : ::unsetenv(name); }
};

}  // namespace tw::testing
