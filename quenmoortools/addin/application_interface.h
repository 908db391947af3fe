#pragma once

#include "platform/com/dispatch_table.h"
#include "platform/com/variant.h"

namespace quenmoor::addin {

// The add-in's default interface, registered under the name "_Application": the eight
// menu commands and the three workers that a page's accepted close runs. The host reaches them by
// name through IDispatch, so the letter case of a menu's callback name does not matter.
class ApplicationInterface : public com::IDispatch {
public:
    static constexpr com::Guid iid = com::guid("{D4CE7310-4A2E-414B-B849-FF77B99E514F}");
    using Base = com::IDispatch;
    static const com::DispatchTable<ApplicationInterface>& dispatchTable();

    virtual void MaterialDensity() = 0;
    virtual void tebrincallback() = 0;
    virtual void numdims() = 0;
    virtual void help() = 0;
    virtual void Appearance() = 0;
    virtual void pack() = 0;
    virtual void about() = 0;
    virtual void conversion() = 0;
    // The workers always give back an empty value.
    virtual com::Variant NumberDims() = 0;
    virtual com::Variant packagefile() = 0;
    virtual com::Variant applydensity() = 0;

protected:
    ~ApplicationInterface() = default;
};

}  // namespace quenmoor::addin
