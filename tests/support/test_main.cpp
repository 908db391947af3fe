// The main of every test program: each process gets a registry file of its own, so test
// cases that CTest runs side by side never see each other's registrations, and programs
// the tests start inherit it.

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/scratch_folder.h"

int main(int argc, char** argv) {
    const quenmoor::testsupport::ScratchFolder folder;
    setenv("QUENMOOR_REGISTRY", (folder / "registry.json").c_str(), 1);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
