// The main of every test program: each process gets a registry file of its own, so test
// cases that CTest runs side by side never see each other's registrations, and programs
// the tests start inherit it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() / ("quenmoor-test-" + std::to_string(getpid()));
    fs::create_directories(folder);
    setenv("QUENMOOR_REGISTRY", (folder / "registry.json").c_str(), 1);
    ::testing::InitGoogleTest(&argc, argv);
    int status = RUN_ALL_TESTS();
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    return status;
}
