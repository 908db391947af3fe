#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "contracts/host/host_application.h"
#include "contracts/host/host_codes.h"
#include "contracts/host/property_page.h"
#include "platform/com/com_ptr.h"

namespace quenmoor::toolkit {

// The control type the host makes for each control interface.
template <class Control>
inline constexpr std::int32_t controlTypeOf = 0;
template <>
inline constexpr std::int32_t controlTypeOf<host::IPropertyManagerPageCheckbox> =
    host::ControlCheckbox;
template <>
inline constexpr std::int32_t controlTypeOf<host::IPropertyManagerPageButton> = host::ControlButton;
template <>
inline constexpr std::int32_t controlTypeOf<host::IPropertyManagerPageOption> = host::ControlOption;
template <>
inline constexpr std::int32_t controlTypeOf<host::IPropertyManagerPageTextbox> =
    host::ControlTextbox;
template <>
inline constexpr std::int32_t controlTypeOf<host::IPropertyManagerPageCombobox> =
    host::ControlCombobox;

// Builds a tool's property page with the same checks for every tool: a page or a group that
// the host does not give fails with E_FAIL naming the tool and what is missing; a control
// that is missing or not of its kind fails naming the control. Every page has OK and Cancel,
// every group is visible and expanded, every control left-aligned, visible and enabled.
class PageBuilder {
public:
    // Creates the page with `handler` as its event handler and stores it in currentPage,
    // where the page's events find it. The host's error code is not examined; a page it
    // could not make comes back empty.
    PageBuilder(std::string_view tool, host::ISldWorks& host, const std::string& title,
                com::ComPtr<com::IDispatch> handler,
                com::ComPtr<host::IPropertyManagerPage2>& currentPage);

    host::IPropertyManagerPage2& page() const { return *page_; }

    com::ComPtr<host::IPropertyManagerPageGroup> addGroup(std::int32_t id,
                                                          const std::string& caption) const;

    // A control of the group; `what` names it in a failure, e.g. "the material list".
    template <class Control>
    com::ComPtr<Control> addControl(host::IPropertyManagerPageGroup& group, std::int32_t id,
                                    std::string caption, std::string_view what,
                                    std::string tip = {}) const {
        static_assert(controlTypeOf<Control> != 0, "not a control interface of a page");
        return group
            .AddControl(id, controlTypeOf<Control>, std::move(caption), host::ControlAlignLeft,
                        host::ControlOptionsVisibleEnabled, std::move(tip))
            .template as<Control>(what);
    }

    // Shows the page. Its result, 0 when shown, is not examined: a page the host cannot
    // show is simply not seen, and its events never come.
    void show() const;

private:
    std::string tool_;
    com::ComPtr<host::IPropertyManagerPage2> page_;
};

}  // namespace quenmoor::toolkit
