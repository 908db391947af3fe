#pragma once

#include <functional>
#include <string>
#include <vector>

#include "cadhost/model/control_view.h"
#include "cadhost/model/page_control.h"

class QObject;
class QWidget;

namespace quenmoor::cadhost {

class PropertyPage;

// Makes the property pane's widget for one control, as the control presents itself, and
// sends the widget's user action to the page through `act`, which reports a failure of the
// add-in. The widget goes to whoever takes it from widget().
class PaneWidgets final : public ControlView {
public:
    using Act = std::function<void(const std::function<void()>&)>;

    // `context` ends the widget's connections when it goes.
    PaneWidgets(QObject* context, PropertyPage& page, const ControlInfo& info, Act act)
        : context_(context), page_(page), info_(info), act_(std::move(act)) {}

    void dropDownList(const std::vector<std::string>& items, int selection) override;
    void textLine(const std::string& text) override;
    void checkBox(bool checked) override;
    void optionButton(bool checked) override;
    void pushButton() override;

    QWidget* widget() const { return widget_; }

private:
    QObject* context_;
    PropertyPage& page_;
    ControlInfo info_;
    Act act_;
    QWidget* widget_ = nullptr;
};

}  // namespace quenmoor::cadhost
