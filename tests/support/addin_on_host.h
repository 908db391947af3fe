#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "cadhost/automation/application_object.h"
#include "contracts/host/running_host.h"
#include "platform/com/activation.h"
#include "quenmoortools/addin/application.h"
#include "tests/support/register_library.h"

namespace quenmoor::testsupport {

// The host's real application object registered as the running host, the add-in's object
// built from its logic and connected to it (so its own event routing answers the pages),
// and the real
// spreadsheet engine, workbook.so, registered in the test's registry and created through
// the loader as the add-in creates it. Workbooks left open are closed after each test.
class AddinOnHost : public ::testing::Test {
protected:
    static void SetUpTestSuite() { registerLibrary(QUENMOOR_WORKBOOK_LIBRARY); }

    void SetUp() override {
        host_ = cadhost::HostApplication::create();
        registration_ = std::make_unique<host::RunningHost>(host_);
        addin_ = addin::Application::create();
        com::VariantBool result;
        ASSERT_EQ(static_cast<host::SwAddin*>(addin_.get())
                      ->ConnectToSW(static_cast<host::ISldWorks*>(host_.get()), 1, &result),
                  com::S_OK);
        spreadsheet_ =
            com::createInstance<spreadsheet::Global>(spreadsheet::SpreadsheetGlobalClass);
    }

    // The host lets go of the add-in's callback target when it closes, which breaks the
    // cycle of the add-in holding the host and the host holding the add-in.
    void TearDown() override {
        if (spreadsheet_) {
            spreadsheet_->Workbooks()->Close();
        }
        host_->releaseCallbacks();
        registration_.reset();
    }

    // The add-in as the page handler it passes for itself.
    com::ComPtr<com::IDispatch> handler() {
        return com::ComPtr<com::IDispatch>(static_cast<addin::ApplicationInterface*>(addin_.get()));
    }
    // Calls a method of the add-in's interface by name, as a menu item or a script does;
    // a failure is raised as the ComError the host would see.
    void call(std::string_view method) { com::call(handler(), method); }
    com::HRESULT close(std::int32_t reason) {
        return static_cast<host::PropertyManagerPage2Handler*>(addin_.get())->OnClose(reason);
    }
    cadhost::PropertyPage& openPage() { return host_->model().requirePage("test"); }

    com::ComPtr<cadhost::HostApplication> host_;
    std::unique_ptr<host::RunningHost> registration_;
    com::ComPtr<addin::Application> addin_;
    com::ComPtr<spreadsheet::Global> spreadsheet_;
};

}  // namespace quenmoor::testsupport
