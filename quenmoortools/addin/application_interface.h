#pragma once

#include "platform/com/dispatch_table.h"
#include "platform/com/variant.h"

namespace quenmoor::addin {

// The add-in's default interface, registered under the name "_Application": the menu
// commands and the workers that a page's accepted close runs, as the tools of the tool
// table declare them. The host reaches them by name through IDispatch only, so the letter
// case of a menu's callback name does not matter; each gives back an empty value.
class ApplicationInterface : public com::IDispatch {
public:
    static constexpr com::Guid iid = com::guid("{D4CE7310-4A2E-414B-B849-FF77B99E514F}");
    using Base = com::IDispatch;
    static const com::DispatchTable<ApplicationInterface>& dispatchTable();

protected:
    ~ApplicationInterface() = default;
};

}  // namespace quenmoor::addin
