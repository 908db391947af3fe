#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QVBoxLayout;
class QPushButton;

namespace quenmoor::cadhost {

class HostModel;
class PropertyPage;
class PageControl;

// The host's property pane: renders the open page, its message, groups and controls, with
// OK, Cancel and help buttons, and turns the user's actions into page events. An add-in's
// failure is passed to `report`, which the main window shows in its status bar.
class PropertyPane : public QWidget {
    Q_OBJECT

public:
    PropertyPane(HostModel& host, QWidget* parent = nullptr);

    // Rebuilds the pane from the open page, or shows that none is open.
    void refresh();

signals:
    // Emitted after every action that may have changed the model.
    void changed();
    void failed(const QString& message);

private:
    QWidget* makeControl(PropertyPage& page, PageControl& control);
    void act(const std::function<void()>& action);

    HostModel& host_;
    QVBoxLayout* layout_;
    QWidget* content_ = nullptr;
};

}  // namespace quenmoor::cadhost
