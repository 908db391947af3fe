#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cadhost/model/journal.h"
#include "cadhost/model/page_controls.h"
#include "contracts/host/addin_events.h"
#include "contracts/host/property_page.h"
#include "platform/com/com_object.h"

namespace quenmoor::cadhost {

class PropertyPage;

class PageGroup final
    : public com::ComObject<PageGroup, com::DualInterface<host::IPropertyManagerPageGroup>> {
public:
    PageGroup(JournalPtr journal, std::int32_t id, std::string caption, std::int32_t options)
        : journal_(std::move(journal)), id_(id), caption_(std::move(caption)), options_(options) {}

    ComPtr<com::IDispatch> AddControl(std::int32_t id, std::int32_t controlType,
                                      std::string caption, std::int32_t leftAlign,
                                      std::int32_t options, std::string tip) override;

    std::int32_t id() const { return id_; }
    const std::string& caption() const { return caption_; }
    std::int32_t options() const { return options_; }
    const std::vector<std::shared_ptr<PageControl>>& controls() const { return controls_; }

private:
    JournalPtr journal_;
    std::int32_t id_;
    std::string caption_;
    std::int32_t options_;
    // Each entry keeps its COM object alive through the shared pointer's deleter.
    std::vector<std::shared_ptr<PageControl>> controls_;
};

// A property page: built by an add-in, shown in the host's property pane, and closed by
// the user with OK or Cancel. Every user action goes to the page's handler; a failing
// handler call is raised as ComError with the add-in's description.
class PropertyPage final
    : public com::ComObject<PropertyPage, com::DualInterface<host::IPropertyManagerPage2>> {
public:
    // Called when the page is shown, so the host can make it the open page.
    using ShowFunction = std::function<void(PropertyPage&)>;

    PropertyPage(JournalPtr journal, std::string title, std::int32_t options,
                 ComPtr<host::PropertyManagerPage2Handler> handler, ShowFunction show);

    ComPtr<host::IPropertyManagerPageGroup> AddGroupBox(std::int32_t id, std::string caption,
                                                        std::int32_t options) override;
    bool SetMessage(std::string message, std::int32_t severity) override;
    std::int32_t Show() override;

    const std::string& title() const { return title_; }
    std::int32_t options() const { return options_; }
    const std::string& message() const { return message_; }
    std::int32_t severity() const { return severity_; }
    const std::vector<ComPtr<PageGroup>>& groups() const { return groups_; }
    bool isShown() const { return shown_; }
    bool isClosed() const { return closed_; }

    // The user's actions. Controls are found by id and kind, since a page may give a
    // button and a combo box the same id. Each throws ComError naming the id when the page
    // has no such control.
    void pressButton(std::int32_t id);
    void checkOption(std::int32_t id);
    void setCheckbox(std::int32_t id, bool checked);
    void chooseItem(std::int32_t id, std::int32_t index);
    void typeText(std::int32_t id, std::string text);
    bool help();
    // OnClose with the reason, then AfterClose; the page is closed even when the handler
    // fails, and the failure is raised afterwards.
    void close(std::int32_t reason);

    // Lets go of the handler, so the add-in that built the page and keeps it can go too;
    // the page sends no events after this.
    void detachHandler() { handler_.reset(); }

    // The control with that id whose kind is one of `types`; null when there is none.
    PageControl* findControl(std::int32_t id, std::initializer_list<std::int32_t> types) const;

private:
    PageControl& control(std::int32_t id, std::initializer_list<std::int32_t> types,
                         std::string_view what) const;
    void checkOpen(std::string_view action) const;

    JournalPtr journal_;
    std::string title_;
    std::int32_t options_;
    ComPtr<host::PropertyManagerPage2Handler> handler_;
    ShowFunction show_;
    std::string message_;
    std::int32_t severity_ = 0;
    std::vector<ComPtr<PageGroup>> groups_;
    bool shown_ = false;
    bool closed_ = false;
};

}  // namespace quenmoor::cadhost
