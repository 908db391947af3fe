#include "platform/help/help_viewer.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QStyle>
#include <QThread>
#include <QToolBar>

#include "platform/help/help_browser.h"
#include "platform/help/show_help.h"

namespace quenmoor::help {

namespace {

QPointer<HelpViewer> sharedViewer;

// Runs as QApplication shuts down, while widgets can still be destroyed; a viewer left to
// outlive the application would be deleted without one.
void deleteSharedViewer() {
    delete sharedViewer.data();
}

}  // namespace

HelpViewer::HelpViewer(QWidget* parent) : QMainWindow(parent), browser_(new ChmBrowser(this)) {
    setObjectName(QStringLiteral("HelpViewer"));
    setCentralWidget(browser_);
    resize(820, 640);

    auto* bar = addToolBar(tr("Navigation"));
    bar->setObjectName(QStringLiteral("navigation"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    back_ = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"));
    forward_ = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"));
    home_ = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("Home"));
    back_->setObjectName(QStringLiteral("back"));
    forward_->setObjectName(QStringLiteral("forward"));
    home_->setObjectName(QStringLiteral("home"));
    back_->setShortcut(QKeySequence::Back);
    forward_->setShortcut(QKeySequence::Forward);
    back_->setEnabled(false);
    forward_->setEnabled(false);

    connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(home_, &QAction::triggered, this, [this] {
        if (homeUrl_.isValid()) {
            browser_->setSource(homeUrl_);
        }
    });
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpViewer::updateTitle);
}

void HelpViewer::showEntry(std::shared_ptr<const ChmFile> file, const std::string& entry,
                           const std::string& fragment) {
    const bool newFile = !browser_->file() || browser_->file()->path() != file->path();
    browser_->setFile(std::move(file));
    const QUrl url = ChmBrowser::urlOf(entry, fragment);
    if (newFile) {
        homeUrl_ = url;
    }
    browser_->setSource(url);
    updateTitle();
}

HelpViewer* HelpViewer::existing() {
    return sharedViewer.data();
}

void HelpViewer::updateTitle() {
    QString title = browser_->documentTitle().simplified();
    if (title.isEmpty() && browser_->file()) {
        title = QString::fromStdString(browser_->file()->path()).section(QLatin1Char('/'), -1);
    }
    setWindowTitle(title);
}

void closeHelpViewer() noexcept {
    if (sharedViewer) {
        qRemovePostRoutine(deleteSharedViewer);
        delete sharedViewer.data();
    }
}

bool showHelpTopic(const std::string& file, const std::string& topic) noexcept {
    try {
        auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
        if (app == nullptr || QThread::currentThread() != app->thread()) {
            return false;
        }
        auto chm = std::make_shared<const ChmFile>(file);
        const std::string entry = chm->resolveTopic(topic);
        const auto hash = topic.find('#');
        const std::string fragment = hash == std::string::npos ? "" : topic.substr(hash + 1);
        if (!sharedViewer) {
            sharedViewer = new HelpViewer();
            qAddPostRoutine(deleteSharedViewer);
        }
        sharedViewer->showEntry(std::move(chm), entry, fragment);
        if (sharedViewer->isMinimized()) {
            sharedViewer->showNormal();
        } else {
            sharedViewer->show();
        }
        sharedViewer->raise();
        sharedViewer->activateWindow();
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace quenmoor::help
