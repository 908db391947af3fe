// The boundary between the host and the add-in's event interfaces: each call runs its
// method, and a failure becomes the HRESULT the host sees, with its description left as
// error info. Result pointers are set before the call, so a failing call still leaves
// a defined False.

#include "quenmoortools/addin/application.h"

namespace quenmoor::addin {

using com::boundary;
using com::HRESULT;

namespace {

template <class Body>
HRESULT withResult(VariantBool* result, Body&& body) {
    if (result == nullptr) {
        return com::E_POINTER;
    }
    *result = com::VariantFalse;
    return boundary([&] { *result = body(); });
}

}  // namespace

HRESULT Application::ConnectToSW(com::IDispatch* thisSW, std::int32_t cookie, VariantBool* result) {
    return withResult(result, [&] { return SwAddin_ConnectToSW(thisSW, cookie); });
}

HRESULT Application::DisconnectFromSW(VariantBool* result) {
    return withResult(result, [&] { return SwAddin_DisconnectFromSW(); });
}

HRESULT Application::OnClose(std::int32_t reason) {
    return boundary([&] { PropertyManagerPage2Handler_OnClose(reason); });
}

HRESULT Application::AfterClose() {
    return boundary([&] { PropertyManagerPage2Handler_AfterClose(); });
}

HRESULT Application::OnHelp(VariantBool* result) {
    return withResult(result, [&] { return PropertyManagerPage2Handler_OnHelp(); });
}

HRESULT Application::OnGroupExpand(std::int32_t id, VariantBool expanded) {
    return boundary([&] { PropertyManagerPage2Handler_OnGroupExpand(id, expanded); });
}

HRESULT Application::OnGroupCheck(std::int32_t id, VariantBool checked) {
    return boundary([&] { PropertyManagerPage2Handler_OnGroupCheck(id, checked); });
}

HRESULT Application::OnCheckboxCheck(std::int32_t id, VariantBool checked) {
    return boundary([&] { PropertyManagerPage2Handler_OnCheckboxCheck(id, checked); });
}

HRESULT Application::OnOptionCheck(std::int32_t id) {
    return boundary([&] { PropertyManagerPage2Handler_OnOptionCheck(id); });
}

HRESULT Application::OnButtonPress(std::int32_t id) {
    return boundary([&] { PropertyManagerPage2Handler_OnButtonPress(id); });
}

HRESULT Application::OnTextboxChanged(std::int32_t id, const std::string& text) {
    return boundary([&] { PropertyManagerPage2Handler_OnTextboxChanged(id, text); });
}

HRESULT Application::OnNumberboxChanged(std::int32_t id, double value) {
    return boundary([&] { PropertyManagerPage2Handler_OnNumberboxChanged(id, value); });
}

HRESULT Application::OnComboboxSelectionChanged(std::int32_t id, std::int32_t item) {
    return boundary([&] { PropertyManagerPage2Handler_OnComboboxSelectionChanged(id, item); });
}

HRESULT Application::OnListboxSelectionChanged(std::int32_t id, std::int32_t item) {
    return boundary([&] { PropertyManagerPage2Handler_OnListboxSelectionChanged(id, item); });
}

HRESULT Application::OnSelectionboxFocusChanged(std::int32_t id) {
    return boundary([&] { PropertyManagerPage2Handler_OnSelectionboxFocusChanged(id); });
}

HRESULT Application::OnSelectionboxListChanged(std::int32_t id, std::int32_t count) {
    return boundary([&] { PropertyManagerPage2Handler_OnSelectionboxListChanged(id, count); });
}

}  // namespace quenmoor::addin
