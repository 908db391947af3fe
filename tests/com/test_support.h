#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "tests/support/com_error_of.h"

namespace quenmoor::comtests {

// Sets or clears an environment variable for the life of the object.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            previous_ = old;
        }
        value != nullptr ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnvironment() { previous_ ? ::setenv(name_, previous_->c_str(), 1) : ::unsetenv(name_); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
    std::optional<std::string> previous_;
};

// A registry file of one test's own, in a fresh folder removed afterwards.
class TemporaryRegistry {
public:
    TemporaryRegistry()
        : folder_(makeFolder()), environment_("QUENMOOR_REGISTRY", file().c_str()) {}
    ~TemporaryRegistry() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    const std::filesystem::path& folder() const { return folder_; }
    std::filesystem::path file() const { return folder_ / "registry.json"; }

private:
    static std::filesystem::path makeFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quenmoor-test-XXXXXX");
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a temporary folder");
        }
        return pattern;
    }

    std::filesystem::path folder_;
    ScopedEnvironment environment_;
};

using quenmoor::testing::comErrorOf;

}  // namespace quenmoor::comtests
