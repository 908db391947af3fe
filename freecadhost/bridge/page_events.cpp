#include "freecadhost/bridge/page_events.h"

#include "freecadhost/bridge/page_objects.h"
#include "platform/com/com_error.h"

namespace quenmoor::pythonhost {

namespace {

// An event ends with the items its combo boxes gathered handed to the host, whatever the
// add-in answered.
void checkEvent(com::HRESULT hr, const char* event) {
    handOverPendingItems();
    com::check(hr, event);
}

}  // namespace

host::PropertyManagerPage2Handler& PageEvents::handler(const char* event) const {
    if (!handler_) {
        throw com::ComError(com::E_UNEXPECTED,
                            std::string(event) + ": the page is closed and has no handler");
    }
    return *handler_;
}

void PageEvents::onClose(std::int32_t reason) {
    checkEvent(handler("OnClose").OnClose(reason), "OnClose");
}

void PageEvents::afterClose() {
    checkEvent(handler("AfterClose").AfterClose(), "AfterClose");
}

bool PageEvents::onHelp() {
    com::VariantBool result = com::VariantFalse;
    checkEvent(handler("OnHelp").OnHelp(&result), "OnHelp");
    return result != com::VariantFalse;
}

void PageEvents::onButtonPress(std::int32_t id) {
    checkEvent(handler("OnButtonPress").OnButtonPress(id), "OnButtonPress");
}

void PageEvents::onOptionCheck(std::int32_t id) {
    checkEvent(handler("OnOptionCheck").OnOptionCheck(id), "OnOptionCheck");
}

void PageEvents::onCheckboxCheck(std::int32_t id, bool checked) {
    checkEvent(handler("OnCheckboxCheck")
                   .OnCheckboxCheck(id, checked ? com::VariantTrue : com::VariantFalse),
               "OnCheckboxCheck");
}

void PageEvents::onTextboxChanged(std::int32_t id, const std::string& text) {
    checkEvent(handler("OnTextboxChanged").OnTextboxChanged(id, text), "OnTextboxChanged");
}

void PageEvents::onComboboxSelectionChanged(std::int32_t id, std::int32_t item) {
    checkEvent(handler("OnComboboxSelectionChanged").OnComboboxSelectionChanged(id, item),
               "OnComboboxSelectionChanged");
}

}  // namespace quenmoor::pythonhost
