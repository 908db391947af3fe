// The add-in library loaded the way the host loads it: registered in the test's own
// registry, created through the runtime by its ProgID, and connected with the real host
// application object.

#include <gtest/gtest.h>

#include "cadhost/automation/application_object.h"
#include "contracts/host/addin_events.h"
#include "platform/com/activation.h"
#include "platform/com/registry.h"
#include "platform/com/server_library.h"
#include "tests/support/host_model.h"

namespace quenmoor {
namespace {

using cadhost::HostApplication;
using com::ComPtr;

const com::Guid ApplicationClass = com::guid("{7F2D3665-BAE7-4FF6-853D-1F88A40F2662}");

class AddinTest : public ::testing::Test {
protected:
    void SetUp() override {
        library_.callRegistration("DllRegisterServer");
        host_ = HostApplication::create();
        ComPtr<com::IUnknown> object = com::CoCreateInstance(
            com::CLSIDFromProgID("quenmoor_systems.APPLICATION"), host::SwAddin::iid);
        addin_ = object.as<host::SwAddin>("add-in");
    }

    // The host lets go of the add-in's callback target when it closes, which breaks the
    // cycle of the add-in holding the host and the host holding the add-in.
    void TearDown() override {
        if (host_) {
            host_->releaseCallbacks();
        }
    }

    // The library's own entry points, reached as regsvr reaches them.
    const com::ServerLibrary library_{QUENMOOR_ADDIN_LIBRARY};
    ComPtr<HostApplication> host_;
    ComPtr<host::SwAddin> addin_;
};

// Unregistering removes the add-in's own keys, and leaves the host's interfaces, which
// its setup wrote, to the host.
TEST_F(AddinTest, UnregistrationRemovesWhatRegistrationWroteAndNoHostKey) {
    auto& registry = com::Registry::instance();
    EXPECT_EQ(com::CLSIDFromProgID("Quenmoor_Systems.Application"), ApplicationClass);
    const std::string hostInterfaces[] = {"Interface\\{DA306A0D-EAC5-4406-8610-B1DA805D9270}",
                                          "Interface\\{229FF820-0DD2-11D5-AF1E-00C04F603FAF}"};
    for (const std::string& key : hostInterfaces) {
        EXPECT_FALSE(registry.keyExists(key)) << key << " written by the add-in's registration";
        registry.setValue(key, "", "the host's own entry");
    }
    library_.callRegistration("DllUnregisterServer");
    for (const std::string& key : hostInterfaces) {
        EXPECT_EQ(registry.value(key), "the host's own entry") << key;
    }
    for (const std::string& key :
         {"CLSID\\" + ApplicationClass.toString(), std::string("Quenmoor_Systems.Application"),
          std::string("TypeLib\\{26C42415-1BCE-49D3-A221-FE10B009CF94}")}) {
        EXPECT_FALSE(registry.keyExists(key)) << key;
    }
}

// A caller that reaches the host only by name, as a script does, can register the object
// its menu items call; the module handle comes as whatever number the caller has.
TEST_F(AddinTest, TheCallbackTargetCanBeRegisteredByName) {
    auto host = host_.as<com::IDispatch>("host");
    std::vector<com::Variant> arguments = {com::Variant(140737488355328.0),
                                           com::Variant(addin_.as<com::IDispatch>("add-in")),
                                           com::Variant(std::int32_t{9})};
    const com::Variant result =
        com::invokeByName(host.get(), "setaddincallbackinfo", com::InvokeMethod, arguments);
    EXPECT_EQ(result, com::Variant::boolean(true));
    EXPECT_EQ(testsupport::journalCalls(*host_, "SetAddinCallbackInfo"),
              std::vector<std::string>{"SetAddinCallbackInfo 9"});
}

// The texts and order of the menus are checked as the host shows them, by a script
// (tests/cadhost/app/script_test.cpp); here, what the host needs to call the items back.
TEST_F(AddinTest, ConnectingReturnsFalseAndGivesEveryItemTheCookie) {
    com::VariantBool result = com::VariantTrue;
    ASSERT_EQ(addin_->ConnectToSW(static_cast<host::ISldWorks*>(host_.get()), 7, &result),
              com::S_OK)
        << com::takeErrorInfo();
    EXPECT_EQ(result, com::VariantFalse);
    EXPECT_EQ(testsupport::journalCalls(*host_, "SetAddinCallbackInfo"),
              std::vector<std::string>{"SetAddinCallbackInfo 7"});
    ASSERT_FALSE(host_->model().menuBar().items().empty());
    for (const auto& item : host_->model().menuBar().items()) {
        EXPECT_EQ(item.cookie, 7) << item.text;
    }
}

TEST_F(AddinTest, AnObjectThatIsNoHostApplicationIsRefusedBeforeAnythingIsAdded) {
    auto notAHost = addin_.as<com::IDispatch>("add-in");
    com::VariantBool result;
    EXPECT_EQ(addin_->ConnectToSW(notAHost.get(), 1, &result), com::E_NOINTERFACE);
    EXPECT_NE(com::takeErrorInfo().find("host application"), std::string::npos);
    EXPECT_TRUE(host_->journal()->entries().empty());
}

}  // namespace
}  // namespace quenmoor
