#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <nlohmann/json.hpp>

#include "platform/com/registry.h"
#include "tests/platform/com/test_support.h"
#include "tests/support/named_rows.h"

namespace {

using namespace quenmoor::com;
using quenmoor::comtests::comErrorOf;
using quenmoor::comtests::ScopedEnvironment;
using quenmoor::comtests::TemporaryRegistry;
using testing::ElementsAre;
using testing::HasSubstr;
namespace fs = std::filesystem;

void writeText(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
}

nlohmann::json readJson(const fs::path& file) {
    return nlohmann::json::parse(std::ifstream(file));
}

TEST(Registry, ValuesAndKeysAreFoundWithoutRegardToCaseAndKeepTheirFirstSpelling) {
    TemporaryRegistry temporary;
    Registry& registry = Registry::instance();
    registry.setValue("\\CLSID\\{ABC}\\InprocServer32\\", "", "/opt/a.so");
    registry.setValue("clsid\\{abc}\\INPROCSERVER32", "ThreadingModel", "Apartment");
    registry.setValue("CLSID\\{abc}\\inprocserver32", "threadingmodel", "Both");

    EXPECT_EQ(registry.value("Clsid\\{Abc}\\InprocServer32"), "/opt/a.so");
    EXPECT_EQ(registry.value("CLSID\\{ABC}\\InprocServer32", "THREADINGMODEL"), "Both");
    EXPECT_EQ(registry.value("CLSID\\{ABC}", "InprocServer32"), std::nullopt);  // a key
    EXPECT_EQ(registry.value("CLSID\\{DEF}\\InprocServer32"), std::nullopt);
    EXPECT_TRUE(registry.keyExists("clsid\\{abc}"));
    EXPECT_THAT(registry.subkeys("CLSID"), ElementsAre("{ABC}"));
    EXPECT_THAT(registry.subkeys("CLSID\\{ABC}"), ElementsAre("InprocServer32"));

    nlohmann::json file = readJson(temporary.file());
    EXPECT_EQ(file["CLSID"]["{ABC}"]["InprocServer32"][""], "/opt/a.so");
    EXPECT_EQ(file["CLSID"]["{ABC}"]["InprocServer32"]["ThreadingModel"], "Both");

    registry.deleteValue("CLSID\\{ABC}\\InprocServer32", "threadingMODEL");
    EXPECT_EQ(registry.value("CLSID\\{ABC}\\InprocServer32", "ThreadingModel"), std::nullopt);
    EXPECT_FALSE(registry.deleteTree("CLSID\\{DEF}"));
    EXPECT_TRUE(registry.deleteTree("clsid\\{ABC}"));
    EXPECT_FALSE(registry.keyExists("CLSID\\{ABC}"));
    EXPECT_TRUE(registry.keyExists("CLSID"));
}

TEST(Registry, ReadsAgainWhenThePathOrTheFileChanges) {
    TemporaryRegistry first;
    Registry& registry = Registry::instance();
    registry.setValue("Quenmoor.Test", "", "first");
    {
        TemporaryRegistry second;
        EXPECT_FALSE(registry.keyExists("Quenmoor.Test"));
        registry.setValue("Quenmoor.Test", "", "second");
    }
    EXPECT_EQ(registry.value("Quenmoor.Test"), "first");

    // Another process rewrites the file in place.
    writeText(first.file(), R"({"Quenmoor.Test": {"": "other"}})");
    EXPECT_EQ(registry.value("Quenmoor.Test"), "other");
}

TEST(Registry, WritesCreateTheFoldersAndLeaveNoTemporaryFile) {
    TemporaryRegistry temporary;
    const fs::path file = temporary.folder() / "a" / "b" / "registry.json";
    ScopedEnvironment environment("QUENMOOR_REGISTRY", file.c_str());
    for (int i = 0; i < 5; ++i) {
        Registry::instance().setValue("Key" + std::to_string(i), "Value", "x");
    }
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(file.parent_path())) {
        names.push_back(entry.path().filename().string());
    }
    EXPECT_THAT(names, ElementsAre("registry.json"));
    EXPECT_EQ(readJson(file).size(), 5u);
}

struct Unreadable {
    const char* name;
    const char* content;  // null for a folder in the file's place
    const char* reason;
};

class UnreadableTest : public ::testing::TestWithParam<Unreadable> {};

TEST_P(UnreadableTest, ThrowsReadErrorNamingTheFile) {
    TemporaryRegistry temporary;
    GetParam().content != nullptr ? writeText(temporary.file(), GetParam().content)
                                  : (void)fs::create_directory(temporary.file());
    ComError error = comErrorOf([] { Registry::instance().value("CLSID"); });
    EXPECT_EQ(error.code(), REGDB_E_READREGDB);
    EXPECT_THAT(error.description(), HasSubstr(temporary.file().string() + ": "));
    EXPECT_THAT(error.description(), HasSubstr(GetParam().reason));
}

INSTANTIATE_TEST_SUITE_P(Registry, UnreadableTest,
                         ::testing::Values(Unreadable{"Truncated", "{\"CLSID\": {", "parse error"},
                                           Unreadable{"Array", "[1, 2]", "JSON object"},
                                           Unreadable{"NumberValue",
                                                      R"({"CLSID": {"{ABC}": {"": 5}}})",
                                                      "CLSID\\{ABC}\\"},
                                           Unreadable{"Folder", nullptr, "not a regular file"}),
                         quenmoor::testsupport::RowName());

TEST(Registry, AnEmptyFileIsAnEmptyRegistry) {
    TemporaryRegistry temporary;
    writeText(temporary.file(), "");
    EXPECT_FALSE(Registry::instance().keyExists("CLSID"));
}

TEST(Registry, WriteFailuresAndNameClashesThrowWriteErrorNamingTheFile) {
    TemporaryRegistry temporary;
    writeText(temporary.folder() / "plain", "");
    const fs::path blocked = temporary.folder() / "plain" / "registry.json";
    {
        ScopedEnvironment environment("QUENMOOR_REGISTRY", blocked.c_str());
        ComError error = comErrorOf([] { Registry::instance().setValue("Key", "", "x"); });
        EXPECT_EQ(error.code(), REGDB_E_WRITEREGDB);
        EXPECT_THAT(error.description(), HasSubstr(blocked.string()));
    }
    Registry& registry = Registry::instance();
    registry.setValue("Key\\Sub", "Name", "x");
    EXPECT_EQ(comErrorOf([&] { registry.setValue("Key", "sub", "y"); }).code(), REGDB_E_WRITEREGDB);
    EXPECT_EQ(comErrorOf([&] { registry.setValue("Key\\Sub\\Name", "", "y"); }).code(),
              REGDB_E_WRITEREGDB);
    EXPECT_EQ(comErrorOf([&] { registry.value("Key\\\\Sub"); }).code(), E_INVALIDARG);
    EXPECT_EQ(comErrorOf([&] { registry.deleteTree("\\"); }).code(), E_INVALIDARG);
    EXPECT_EQ(registry.value("Key\\Sub", "Name"), "x");
}

// The environment: QUENMOOR_REGISTRY, XDG_CONFIG_HOME and HOME (null: unset).
struct Environment {
    const char* name;
    const char* registry;
    const char* config;
    const char* home;
    const char* expected;
};

class DefaultPathTest : public ::testing::TestWithParam<Environment> {};

TEST_P(DefaultPathTest, PrefersTheVariableThenTheConfigurationFolders) {
    ScopedEnvironment registry("QUENMOOR_REGISTRY", GetParam().registry);
    ScopedEnvironment config("XDG_CONFIG_HOME", GetParam().config);
    ScopedEnvironment home("HOME", GetParam().home);
    EXPECT_EQ(Registry::defaultPath().string(), GetParam().expected);
    EXPECT_EQ(Registry::instance().path().string(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Registry, DefaultPathTest,
                         ::testing::Values(Environment{"Variable", "/r/reg.json", "/x", "/h",
                                                       "/r/reg.json"},
                                           Environment{"ConfigurationFolder", "", "/x", "/h",
                                                       "/x/quenmoor/registry.json"},
                                           Environment{"RelativeConfiguration", nullptr, "relative",
                                                       "/h", "/h/.config/quenmoor/registry.json"},
                                           Environment{"EmptyConfiguration", nullptr, "", "/h",
                                                       "/h/.config/quenmoor/registry.json"}),
                         quenmoor::testsupport::RowName());

}  // namespace
