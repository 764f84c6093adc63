#pragma once

#include <optional>
#include <string>

namespace tw::testing {

// Sets (nullptr: removes) an environment variable until the end of the scope.
class scoped_env {
public:
    scoped_env(const char* name, const char* value);
    ~scoped_env();
    scoped_env(const scoped_env&) = delete;
    scoped_env& operator=(const scoped_env&) = delete;

    void set(const char* value);

private:
    std::string name_;
    std::optional<std::string> old_;
};

}  // namespace tw::testing
