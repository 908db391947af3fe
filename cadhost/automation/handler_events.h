#pragma once

#include <cstdint>
#include <string>

#include "cadhost/model/page_events.h"
#include "contracts/host/addin_events.h"

namespace quenmoor::cadhost {

using com::ComPtr;

// A page's events sent to the handler the add-in gave when it created the page. A failing
// result becomes ComError with the description the add-in left, or one naming the event.
class HandlerEvents final : public PageEvents {
public:
    explicit HandlerEvents(com::ComPtr<host::PropertyManagerPage2Handler> handler)
        : handler_(std::move(handler)) {}

    void closing(std::int32_t reason) override { com::check(handler_->OnClose(reason), "OnClose"); }
    void closed() override { com::check(handler_->AfterClose(), "AfterClose"); }
    bool help() override {
        com::VariantBool result = com::VariantFalse;
        com::check(handler_->OnHelp(&result), "OnHelp");
        return result != 0;
    }
    void checkboxChecked(std::int32_t id, bool checked) override {
        com::check(handler_->OnCheckboxCheck(id, checked ? com::VariantTrue : com::VariantFalse),
                   "OnCheckboxCheck");
    }
    void optionChecked(std::int32_t id) override {
        com::check(handler_->OnOptionCheck(id), "OnOptionCheck");
    }
    void buttonPressed(std::int32_t id) override {
        com::check(handler_->OnButtonPress(id), "OnButtonPress");
    }
    void textChanged(std::int32_t id, const std::string& text) override {
        com::check(handler_->OnTextboxChanged(id, text), "OnTextboxChanged");
    }
    void selectionChanged(std::int32_t id, std::int32_t index) override {
        com::check(handler_->OnComboboxSelectionChanged(id, index), "OnComboboxSelectionChanged");
    }

private:
    com::ComPtr<host::PropertyManagerPage2Handler> handler_;
};

}  // namespace quenmoor::cadhost
