#pragma once

#include <QMainWindow>

class QMenu;

namespace quenmoor::cadhost {

class HostApplication;
class HostModel;
class DocumentView;
class PropertyPane;

// The host's main window: File and Window menus, the add-ins' menus for the active
// document's type, the property pane, the document view, and a status bar that shows
// every failing result of an add-in call with its description.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(HostApplication& application, QWidget* parent = nullptr);

    // Brings every part of the window up to date with the model.
    void refresh();
    void showFailure(const QString& message);

private:
    void buildFileMenu();
    void rebuildAddinMenus();
    void rebuildWindowMenu();
    void newDocument(int type);
    void openDocument();
    void saveDocument(bool choosePath);
    void exportDocument();
    void editSettings();
    void act(const std::function<void()>& action);

    HostApplication& application_;
    HostModel& host_;
    PropertyPane* pane_;
    DocumentView* view_;
    QMenu* windowMenu_ = nullptr;
    std::size_t saveFailuresShown_ = 0;
    QList<QMenu*> addinMenus_;
};

}  // namespace quenmoor::cadhost
