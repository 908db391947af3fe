#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "tests/support/com_error_of.h"
#include "tests/support/scratch_folder.h"

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
    TemporaryRegistry() : environment_("QUENMOOR_REGISTRY", file().c_str()) {}

    const std::filesystem::path& folder() const { return folder_.path(); }
    std::filesystem::path file() const { return folder_ / "registry.json"; }

private:
    quenmoor::testsupport::ScratchFolder folder_;
    ScopedEnvironment environment_;
};

using quenmoor::testsupport::comErrorOf;

// The count of references to the object, as AddRef and Release report it.
template <class Interface>
std::uint32_t references(Interface* object) {
    object->AddRef();
    return object->Release();
}

}  // namespace quenmoor::comtests
