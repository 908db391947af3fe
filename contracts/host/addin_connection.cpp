#include "contracts/host/addin_connection.h"

#include "platform/com/activation.h"
#include "platform/com/com_error.h"

namespace quenmoor::host {

namespace {

AddinConnection::Result resultOf(com::HRESULT hr, com::VariantBool returned) {
    return {hr, com::failed(hr) ? com::takeErrorInfo() : std::string(), returned};
}

}  // namespace

std::string AddinConnection::Result::failure(std::string_view progId, std::string_view call) const {
    if (!description.empty()) {
        return description;
    }
    return "add-in " + std::string(progId) + ": " + std::string(call) + ": " +
           com::describeCode(code);
}

AddinConnection::AddinConnection(std::string progId, std::int32_t cookie)
    : progId_(std::move(progId)), cookie_(cookie) {
    try {
        com::ComPtr<com::IUnknown> object =
            com::CoCreateInstance(com::CLSIDFromProgID(progId_), SwAddin::iid);
        addin_ =
            com::ComPtr<SwAddin>::adopt(static_cast<SwAddin*>(static_cast<void*>(object.detach())));
    } catch (const com::ComError& e) {
        throw com::ComError(e.code(), "add-in " + progId_ + ": " + e.description());
    }
}

AddinConnection::~AddinConnection() = default;

AddinConnection::Result AddinConnection::connect(ISldWorks& application) {
    com::VariantBool returned = com::VariantFalse;
    const com::HRESULT hr = addin_->ConnectToSW(&application, cookie_, &returned);
    return resultOf(hr, returned);
}

AddinConnection::Result AddinConnection::disconnect() {
    if (!addin_) {
        throw com::ComError(com::E_UNEXPECTED, "add-in " + progId_ + " is not loaded");
    }
    com::VariantBool returned = com::VariantFalse;
    const com::HRESULT hr = addin_->DisconnectFromSW(&returned);
    Result result = resultOf(hr, returned);
    addin_.reset();
    return result;
}

void AddinConnection::unloadUnused() {
    com::CoFreeUnusedLibraries();
}

}  // namespace quenmoor::host
