#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "platform/com/activation.h"
#include "platform/com/registry.h"
#include "platform/com/server_module.h"
#include "tests/components/counter.h"
#include "tests/platform/com/test_support.h"
#include "tests/support/named_rows.h"
#include "tests/support/register_library.h"

namespace {

using namespace quenmoor::com;
using quenmoor::comtests::comErrorOf;
using quenmoor::comtests::references;
using quenmoor::comtests::TemporaryRegistry;
using quenmoor::testcomponents::CLSID_TestCounter;
using quenmoor::testcomponents::ICounter;
using quenmoor::testsupport::registerLibrary;
using testing::HasSubstr;
namespace fs = std::filesystem;

constexpr Guid CLSID_Elsewhere = guid("{F0686995-7A6A-4F78-A9EC-7BD7DFC4416C}");

void serveFrom(const Guid& clsid, const std::string& library) {
    Registry::instance().setValue("CLSID\\" + clsid.toString() + "\\InprocServer32", "", library);
}

// A counter of the test program itself, registered in process.
class LocalCounter final : public ComObject<LocalCounter, DualInterface<ICounter>> {
public:
    explicit LocalCounter(std::string name = "local") : name_(std::move(name)) {}
    std::int16_t Increment() override { return 0; }
    std::int16_t Value() override { return 0; }
    void SetValue(std::int16_t) override {}
    std::string Name() override { return name_; }
    void SetName(std::string name) override { name_ = std::move(name); }

private:
    std::string name_;
};

TEST(Activation, CreatesAClassFromItsLibraryFoundByProgId) {
    TemporaryRegistry temporary;
    registerLibrary(GOOD_COMPONENT);  // by its absolute path: regsvr_test
    EXPECT_EQ(CLSIDFromProgID("quenmoor.TESTCOUNTER"), CLSID_TestCounter);

    ComPtr<IDispatch> counter = createInstance<IDispatch>(CLSIDFromProgID("Quenmoor.TestCounter"));
    EXPECT_EQ(call(counter, "increment").toInt32(), 1);
    EXPECT_EQ(call(counter, "VALUE").toInt32(), 1);
    putProperty(counter, "name", "Rows");
    EXPECT_EQ(call(counter, "Name").toText(), "Rows");

    // An error raised inside the library reaches the caller with its description.
    putProperty(counter, "Value", 32767);
    ComError error = comErrorOf([&] { call(counter, "Increment"); });
    EXPECT_EQ(error.code(), CTL_E_OVERFLOW);
    EXPECT_THAT(error.description(), HasSubstr("Counter.Value"));

    ComPtr<ICounter> typed = counter.as<ICounter>("counter");
    EXPECT_EQ(typed->Value(), 32767);
    EXPECT_TRUE(sameObject(typed, counter));
}

TEST(Activation, ProgIdFailuresNameTheProgId) {
    TemporaryRegistry temporary;
    Registry::instance().setValue("Quenmoor.Broken\\CLSID", "", "{not-a-guid}");
    for (const char* progId : {"Quenmoor.Missing", "Quenmoor.Broken", "", "CLSID\\x"}) {
        SCOPED_TRACE(progId);
        ComError error = comErrorOf([&] { CLSIDFromProgID(progId); });
        EXPECT_EQ(error.code(), CO_E_CLASSSTRING);
        EXPECT_THAT(error.description(), HasSubstr("\"" + std::string(progId) + "\""));
    }
    EXPECT_THAT(comErrorOf([] { CLSIDFromProgID("Quenmoor.Broken"); }).description(),
                HasSubstr("{not-a-guid}"));
}

// A class served by a library that cannot serve it; "" is no library at all, "registry"
// the registry file itself, which is no library.
struct BrokenServer {
    const char* name;
    std::string library;
    HRESULT code;
    std::string cause;
};

class BrokenServerTest : public ::testing::TestWithParam<BrokenServer> {};

TEST_P(BrokenServerTest, FailsNamingTheClassTheLibraryAndTheCause) {
    TemporaryRegistry temporary;
    Registry::instance().setValue("Unrelated", "", "x");  // so the registry file exists
    const auto inPlace = [&](const std::string& text) {
        return text == "registry" ? temporary.file().string() : text;
    };
    if (!GetParam().library.empty()) {
        serveFrom(CLSID_Elsewhere, inPlace(GetParam().library));
    }
    ComError error = comErrorOf([] { CoCreateInstance(CLSID_Elsewhere, IUnknown::iid); });
    EXPECT_EQ(error.code(), GetParam().code);
    EXPECT_THAT(error.description(), HasSubstr(CLSID_Elsewhere.toString()));
    EXPECT_THAT(error.description(), HasSubstr(inPlace(GetParam().cause)));
}

INSTANTIATE_TEST_SUITE_P(
    Activation, BrokenServerTest,
    ::testing::Values(BrokenServer{"NotRegistered", "", REGDB_E_CLASSNOTREG, "is not registered"},
                      BrokenServer{"MissingLibrary", "/nonexistent/quenmoor/missing.so",
                                   CO_E_DLLNOTFOUND, "/nonexistent/quenmoor/missing.so"},
                      BrokenServer{"NotALibrary", "registry", CO_E_DLLNOTFOUND, "registry"},
                      BrokenServer{"NoEntryPoint", NO_ENTRY_COMPONENT, CO_E_ERRORINDLL,
                                   NO_ENTRY_COMPONENT " has no DllGetClassObject"},
                      BrokenServer{"OtherClass", GOOD_COMPONENT, CLASS_E_CLASSNOTAVAILABLE,
                                   "not served by this library"},
                      BrokenServer{"NoFactory", NO_FACTORY_COMPONENT, CLASS_E_CLASSNOTAVAILABLE,
                                   NO_FACTORY_COMPONENT ": class not"}),
    quenmoor::testsupport::RowName());

TEST(Activation, LibrariesUnloadOnlyWhenNoObjectOrLockIsAlive) {
    TemporaryRegistry temporary;
    registerLibrary(GOOD_COMPONENT);
    CoFreeUnusedLibraries();
    const std::size_t before = loadedLibraryCount();

    ComPtr<ICounter> first = createInstance<ICounter>(CLSID_TestCounter);
    ComPtr<ICounter> second = createInstance<ICounter>(CLSID_TestCounter);
    EXPECT_EQ(loadedLibraryCount(), before + 1);
    first->Increment();
    EXPECT_EQ(second->Value(), 0);
    CoFreeUnusedLibraries();
    EXPECT_EQ(loadedLibraryCount(), before + 1);
    first.reset();
    second.reset();
    CoFreeUnusedLibraries();
    EXPECT_EQ(loadedLibraryCount(), before);

    // Loaded again from scratch, and held by a server lock alone.
    CoGetClassObject(CLSID_TestCounter)->LockServer(true);
    EXPECT_EQ(createInstance<ICounter>(CLSID_TestCounter)->Increment(), 1);
    CoFreeUnusedLibraries();
    EXPECT_EQ(loadedLibraryCount(), before + 1);
    CoGetClassObject(CLSID_TestCounter)->LockServer(false);
    CoFreeUnusedLibraries();
    EXPECT_EQ(loadedLibraryCount(), before);

    // A library without DllCanUnloadNow stays.
    serveFrom(CLSID_Elsewhere, NO_FACTORY_COMPONENT);
    comErrorOf([] { CoCreateInstance(CLSID_Elsewhere, IUnknown::iid); });
    const std::size_t withNoFactory = loadedLibraryCount();
    CoFreeUnusedLibraries();
    EXPECT_EQ(loadedLibraryCount(), withNoFactory);
}

TEST(Activation, ClassObjectsOfThisProcessComeFirstUntilRevoked) {
    TemporaryRegistry temporary;
    registerLibrary(GOOD_COMPONENT);
    static const ClassEntry entry{CLSID_TestCounter, "Local Counter", "", "Apartment",
                                  [] { return ComPtr<IUnknown>(LocalCounter::create()); }};
    ComPtr<ClassFactory> factory = ClassFactory::create(entry);
    const std::uint32_t cookie = CoRegisterClassObject(CLSID_TestCounter, factory.get());
    EXPECT_EQ(createInstance<ICounter>(CLSID_TestCounter)->Name(), "local");
    CoRevokeClassObject(cookie);
    EXPECT_EQ(createInstance<ICounter>(CLSID_TestCounter)->Name(), "Counter");
    EXPECT_EQ(comErrorOf([&] { CoRevokeClassObject(cookie); }).code(), E_INVALIDARG);
    EXPECT_EQ(references(factory.get()), 1u);
}

TEST(RunningObjectTable, LatestRegistrationWinsAndEachIsRevokedOnce) {
    TemporaryRegistry temporary;
    registerLibrary(GOOD_COMPONENT);
    ComPtr<ICounter> first = LocalCounter::create("first");
    ComPtr<ICounter> second = LocalCounter::create("second");
    const std::uint32_t firstCookie = RegisterActiveObject(first.get(), CLSID_TestCounter);
    const std::uint32_t secondCookie = RegisterActiveObject(second.get(), CLSID_TestCounter);
    EXPECT_NE(firstCookie, secondCookie);
    EXPECT_EQ(references(first.get()), 2u);
    EXPECT_EQ(getRunningObject<ICounter>("QUENMOOR.testcounter")->Name(), "second");

    RevokeActiveObject(secondCookie);
    EXPECT_EQ(getRunningObject<ICounter>("Quenmoor.TestCounter")->Name(), "first");
    EXPECT_EQ(comErrorOf([&] { RevokeActiveObject(secondCookie); }).code(), E_INVALIDARG);
    RevokeActiveObject(firstCookie);
    EXPECT_EQ(references(first.get()), 1u);
    ComError error = comErrorOf([] { GetActiveObject(CLSID_TestCounter); });
    EXPECT_EQ(error.code(), MK_E_UNAVAILABLE);
    EXPECT_THAT(error.description(), HasSubstr(CLSID_TestCounter.toString()));
}

// That a library's own address gives its file is shown by every script whose add-in reads
// the workbooks beside a copy of the library.
TEST(Activation, ModulePathIsTheFileHoldingTheAddress) {
    static int marker = 0;
    EXPECT_EQ(modulePath(&marker), fs::canonical("/proc/self/exe"));
    auto heap = std::make_unique<int>(0);
    EXPECT_EQ(comErrorOf([&] { modulePath(heap.get()); }).code(), E_INVALIDARG);
    EXPECT_EQ(comErrorOf([] { modulePath(nullptr); }).code(), E_INVALIDARG);
}

}  // namespace
