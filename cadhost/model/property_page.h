#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cadhost/model/button_control.h"
#include "cadhost/model/checkbox_control.h"
#include "cadhost/model/combo_control.h"
#include "cadhost/model/option_control.h"
#include "cadhost/model/page_events.h"
#include "cadhost/model/page_group.h"
#include "cadhost/model/text_control.h"

namespace quenmoor::cadhost {

class Document;

// A property page: built by an add-in from groups of controls of the kinds above, shown in
// the host's property pane, and closed by the user with OK or Cancel. Every user action updates the
// controls, then goes to the page's events; a failing event is raised as ComError with the add-in's
// description. A page belongs to the document that was active when it was shown: while one
// of its events runs, that document is the one the add-in works on.
class PropertyPage {
public:
    PropertyPage(std::string title, std::int32_t options, std::unique_ptr<PageEvents> events);

    const std::string& title() const { return title_; }
    std::int32_t options() const { return options_; }
    const std::string& message() const { return message_; }
    std::int32_t severity() const { return severity_; }
    void setMessage(std::string message, std::int32_t severity);

    const std::shared_ptr<PageGroup>& addGroup(std::int32_t id, std::string caption,
                                               std::int32_t options);
    const std::vector<std::shared_ptr<PageGroup>>& groups() const { return groups_; }

    bool isShown() const { return shown_; }
    bool isClosed() const { return closed_; }
    // Shows the page for `document` (null when none is open). Throws ComError naming the
    // page once it is closed: a closed page is not shown again.
    void markShown(const std::shared_ptr<Document>& document);
    // The document the page was shown for; null when there was none or it is gone.
    std::shared_ptr<Document> document() const { return document_.lock(); }
    // Whether one of the page's events is being handled now.
    bool handlingEvent() const { return eventDepth_ > 0; }

    // The user's actions. Controls are found by id and kind, since a page may give a
    // button and a combo box the same id. Each throws ComError naming the id when the page
    // has no such control, or naming the page when it is not open.
    void pressButton(std::int32_t id);
    void checkOption(std::int32_t id);
    void setCheckbox(std::int32_t id, bool checked);
    void chooseItem(std::int32_t id, std::int32_t index);
    void typeText(std::int32_t id, std::string text);
    bool help();
    // Tells the events closing, then closed; the page is closed even when they fail, and
    // the first failure is raised afterwards.
    void close(std::int32_t reason);

    // Lets go of the events, so that the add-in behind them, which may keep the page, can
    // go too; the page sends nothing after this.
    void detachEvents() { events_.reset(); }

    // The control with that id whose kind is one of `types` (host::ControlType), or that
    // `accepts`; null when there is none.
    PageControl* findControl(std::int32_t id, std::initializer_list<std::int32_t> types) const;
    PageControl* findControl(std::int32_t id,
                             const std::function<bool(const PageControl&)>& accepts) const;

private:
    // Counts an event being handled for as long as it lives.
    class EventScope {
    public:
        explicit EventScope(PropertyPage& page) : page_(page) { ++page_.eventDepth_; }
        ~EventScope() { --page_.eventDepth_; }
        EventScope(const EventScope&) = delete;
        EventScope& operator=(const EventScope&) = delete;

    private:
        PropertyPage& page_;
    };

    template <class Kind>
    Kind& control(std::int32_t id, std::string_view what) const;
    void checkOpen(std::string_view action) const;

    std::string title_;
    std::int32_t options_;
    std::unique_ptr<PageEvents> events_;
    std::string message_;
    std::int32_t severity_ = 0;
    std::vector<std::shared_ptr<PageGroup>> groups_;
    std::weak_ptr<Document> document_;
    int eventDepth_ = 0;
    bool shown_ = false;
    bool closed_ = false;
};

}  // namespace quenmoor::cadhost
