// An environment variable set, or unset, while the guard lives; what it was comes back after.
#pragma once
#include <cstdlib>
#include <optional>
#include <string>

namespace test_support {

class Env {
public:
    Env(const char* name, const char* value) : name_(name) {
        if (const char* v = getenv(name)) old_ = v;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~Env() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }
    Env(const Env&) = delete;
    Env& operator=(const Env&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

}  // namespace test_support
