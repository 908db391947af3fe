#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/com/activation.h"
#include "platform/com/registry.h"
#include "tests/components/counter.h"
#include "tests/platform/com/test_support.h"
#include "tests/support/named_rows.h"
#include "tests/support/run_process.h"

namespace {

using namespace quenmoor::com;
using quenmoor::comtests::TemporaryRegistry;
using quenmoor::testcomponents::CLSID_TestCounter;
using quenmoor::testcomponents::ICounter;
using quenmoor::testcomponents::LIBID_TestCounter;
using testing::HasSubstr;
using testing::IsEmpty;
namespace fs = std::filesystem;

// Runs regsvr with the arguments, in the test's environment and working folder.
quenmoor::testsupport::ProcessResult regsvr(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), REGSVR);
    return quenmoor::testsupport::runProcess(arguments);
}

TEST(Regsvr, RegistersTheLibrarysKeysByItsAbsolutePathAndRemovesThem) {
    TemporaryRegistry temporary;
    const fs::path library = fs::canonical(GOOD_COMPONENT);
    const fs::path folder = fs::current_path();
    fs::current_path(library.parent_path());
    auto run = regsvr({library.filename().string()});
    fs::current_path(folder);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "registered " + library.string() + " in " + temporary.file().string() + "\n");

    // The loader finds the library by the absolute path, whatever the working folder was.
    Registry& registry = Registry::instance();
    EXPECT_EQ(registry.value("CLSID\\" + CLSID_TestCounter.toString() + "\\InprocServer32"),
              library.string());
    EXPECT_EQ(registry.value("TypeLib\\" + LIBID_TestCounter.toString() + "\\1.0\\0\\linux"),
              library.string());
    EXPECT_EQ(CLSIDFromProgID("Quenmoor.TestCounter"), CLSID_TestCounter);

    run = regsvr({"-u", library.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_THAT(run.out, HasSubstr("unregistered " + library.string()));
    EXPECT_FALSE(registry.keyExists("Quenmoor.TestCounter"));
    for (const char* key : {"CLSID", "TypeLib", "Interface"}) {
        EXPECT_THAT(registry.subkeys(key), IsEmpty()) << key;
    }
}

TEST(Regsvr, InfoPrintsTheVersionEntriesInOrder) {
    TemporaryRegistry temporary;
    auto run = regsvr({"--info", GOOD_COMPONENT});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "CompanyName: Quenmoor Systems\n"
              "FileDescription: Counter component for the runtime's tests\n"
              "FileVersion: 1.0.0.1\n");
    EXPECT_FALSE(fs::exists(temporary.file()));
}

// The library is the last argument; regsvr itself stands for a file that is no library.
struct Failure {
    const char* name;
    std::vector<std::string> arguments;
    std::string reason;
};

class FailureTest : public ::testing::TestWithParam<Failure> {};

TEST_P(FailureTest, ExitsWithTwoAndOneLineNamingTheLibraryAndTheReason) {
    TemporaryRegistry temporary;
    auto run = regsvr(GetParam().arguments);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    ASSERT_EQ(quenmoor::testsupport::lines(run.err).size(), 1u) << run.err;
    EXPECT_THAT(run.err, HasSubstr(GetParam().arguments.back()));
    EXPECT_THAT(run.err, HasSubstr(GetParam().reason));
    EXPECT_FALSE(fs::exists(temporary.file()));
}

INSTANTIATE_TEST_SUITE_P(
    Regsvr, FailureTest,
    ::testing::Values(
        Failure{"MissingFile", {"/nonexistent/quenmoor/missing.so"}, "no such file"},
        Failure{"NotALibrary", {REGSVR}, "cannot load"},
        Failure{"NoEntryPoint", {NO_ENTRY_COMPONENT}, "no DllRegisterServer entry point"},
        Failure{"InfoWithoutVersion", {"--info", NO_ENTRY_COMPONENT}, "DllGetVersionInfo"},
        Failure{"NoUnregistration", {"-u", FAILING_REGISTRATION}, "DllUnregisterServer"},
        Failure{"RegistrationRefused",
                {FAILING_REGISTRATION},
                "DllRegisterServer failed with 0x80040201: the test class refuses to be "
                "registered"}),
    quenmoor::testsupport::RowName());

TEST(Regsvr, BadUsageExitsWithOneAndShowsTheUsage) {
    const std::vector<std::string> usageErrors[] = {
        {}, {"--bogus", GOOD_COMPONENT}, {"a.so", "b.so"}};
    for (const auto& arguments : usageErrors) {
        auto run = regsvr(arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_THAT(run.err, HasSubstr("usage: regsvr"));
    }
}

}  // namespace
