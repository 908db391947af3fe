#pragma once

#include <QString>
#include <QWidget>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace quenmoor::package {

// The export location window. `Drive1` offers the mounted file systems and the home folder, and
// `Dir1` is a list of the folders in the open folder, headed by ".." (except at a file system's
// root). A double-click or Enter on a folder opens it, on ".." goes up; a single click only
// selects. `Text1` holds the export folder; it is the only state that matters outside the window.
class packagepath : public QWidget {
    Q_OBJECT

public:
    packagepath();

    // The folder open in `Dir1`, as the platform writes it.
    QString path() const { return path_; }
    // Opens `folder` in `Dir1`; a folder that cannot be read shows no entries.
    void setPath(const QString& folder);
    // The folder `Command1` copies: the one selected in `Dir1`, or the open one when the
    // selection is ".." or nothing.
    QString selectedFolder() const;

    QComboBox* Drive1;
    QListWidget* Dir1;
    QPushButton* Command1;
    QLineEdit* Text1;
    QPushButton* Command2;
    // Shows which folder `Dir1` has open, since the list shows only one level of it.
    QLabel* PathLabel;

private:
    void driveChanged(int index);
    void folderActivated(QListWidgetItem* item);

    QString path_;
};

// Button 0 "Location" of the export page: shows the window, creating it on first use.
void showLocation();

// The text of `Text1`; the window is created, hidden, if it does not exist yet. Without a
// window system there is no window to create, and the text is empty.
std::string locationText();

// The window, or null when it has not been created (or was deleted with the add-in's
// windows).
packagepath* locationWindow();

}  // namespace quenmoor::package
