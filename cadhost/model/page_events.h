#pragma once

#include <cstdint>
#include <string>

namespace quenmoor::cadhost {

// Where the user's actions on a property page go: the handler of the add-in that built
// it. Each call may throw ComError carrying the handler's failure, which the page raises
// once its own state is updated.
class PageEvents {
public:
    virtual ~PageEvents() = default;

    // The user closes the page with OK or Cancel (host::PageCloseReason); `closed` follows.
    virtual void closing(std::int32_t reason) = 0;
    virtual void closed() = 0;
    // Whether the handler showed help.
    virtual bool help() = 0;
    virtual void checkboxChecked(std::int32_t id, bool checked) = 0;
    virtual void optionChecked(std::int32_t id) = 0;
    virtual void buttonPressed(std::int32_t id) = 0;
    virtual void textChanged(std::int32_t id, const std::string& text) = 0;
    virtual void selectionChanged(std::int32_t id, std::int32_t index) = 0;
};

}  // namespace quenmoor::cadhost
