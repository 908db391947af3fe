#pragma once

#include <QMainWindow>
#include <QUrl>
#include <memory>
#include <string>

#include "platform/help/chm_file.h"

class QAction;

namespace quenmoor::help {

class ChmBrowser;

// The help window: a browser over one help file with Back, Forward and Home.
class HelpViewer : public QMainWindow {
    Q_OBJECT

public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows entry (an archive path such as "/Contents.html") of file. Home is the first
    // page shown from a file, as the add-in always opens its help at its contents page.
    void showEntry(std::shared_ptr<const ChmFile> file, const std::string& entry,
                   const std::string& fragment = {});

    ChmBrowser* browser() const { return browser_; }

    // The window showHelpTopic uses, or nullptr while it has not made one.
    static HelpViewer* existing();

private:
    void updateTitle();

    ChmBrowser* browser_;
    QAction* back_;
    QAction* forward_;
    QAction* home_;
    QUrl homeUrl_;
};

}  // namespace quenmoor::help
