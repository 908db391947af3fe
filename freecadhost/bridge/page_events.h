#pragma once

#include <cstdint>
#include <string>

#include "contracts/host/addin_events.h"
#include "platform/com/com_ptr.h"

namespace quenmoor::pythonhost {

// The add-in's page handler as the host's Python page calls it. A failing event raises
// HostCallError with the add-in's description and code, which the host shows its user.
class PageEvents {
public:
    explicit PageEvents(com::ComPtr<host::PropertyManagerPage2Handler> handler)
        : handler_(std::move(handler)) {}

    void onClose(std::int32_t reason);
    void afterClose();
    bool onHelp();
    void onButtonPress(std::int32_t id);
    void onOptionCheck(std::int32_t id);
    void onCheckboxCheck(std::int32_t id, bool checked);
    void onTextboxChanged(std::int32_t id, const std::string& text);
    void onComboboxSelectionChanged(std::int32_t id, std::int32_t item);
    // A closed page sends nothing more: it lets go of the add-in's handler.
    void detach() { handler_.reset(); }
    bool attached() const { return static_cast<bool>(handler_); }

private:
    host::PropertyManagerPage2Handler& handler(const char* event) const;

    com::ComPtr<host::PropertyManagerPage2Handler> handler_;
};

}  // namespace quenmoor::pythonhost
