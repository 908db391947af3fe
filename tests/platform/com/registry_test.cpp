#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <nlohmann/json.hpp>

#include "platform/com/registry.h"
#include "tests/platform/com/test_support.h"

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

TEST(Registry, UnreadableFileThrowsReadErrorNamingIt) {
    TemporaryRegistry temporary;
    struct Case {
        const char* content;  // null for a folder in the file's place
        const char* reason;
    } cases[] = {
        {"{\"CLSID\": {", "parse error"},
        {"[1, 2]", "JSON object"},
        {R"({"CLSID": {"{ABC}": {"": 5}}})", "CLSID\\{ABC}\\"},
        {nullptr, "not a regular file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        fs::remove_all(temporary.file());
        c.content != nullptr ? writeText(temporary.file(), c.content)
                             : (void)fs::create_directory(temporary.file());
        ComError error = comErrorOf([] { Registry::instance().value("CLSID"); });
        EXPECT_EQ(error.code(), REGDB_E_READREGDB);
        EXPECT_THAT(error.description(), HasSubstr(temporary.file().string() + ": "));
        EXPECT_THAT(error.description(), HasSubstr(c.reason));
    }
    fs::remove_all(temporary.file());
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

TEST(Registry, DefaultPathPrefersTheVariableThenTheConfigurationFolders) {
    struct Case {
        const char* registry;
        const char* config;
        const char* home;
        const char* expected;
    } cases[] = {
        {"/r/reg.json", "/x", "/h", "/r/reg.json"},
        {"", "/x", "/h", "/x/quenmoor/registry.json"},
        {nullptr, "relative", "/h", "/h/.config/quenmoor/registry.json"},
        {nullptr, "", "/h", "/h/.config/quenmoor/registry.json"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        ScopedEnvironment registry("QUENMOOR_REGISTRY", c.registry);
        ScopedEnvironment config("XDG_CONFIG_HOME", c.config);
        ScopedEnvironment home("HOME", c.home);
        EXPECT_EQ(Registry::defaultPath().string(), c.expected);
        EXPECT_EQ(Registry::instance().path().string(), c.expected);
    }
}

}  // namespace
