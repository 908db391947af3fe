#include "cadhost/app/main_window.h"

#include <QApplication>
#include <QDockWidget>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenuBar>
#include <QStatusBar>

#include "cadhost/app/document_view.h"
#include "cadhost/app/host_settings.h"
#include "cadhost/app/property_pane.h"
#include "cadhost/automation/application_object.h"
#include "contracts/host/host_codes.h"
#include "platform/com/com_error.h"

namespace quenmoor::cadhost {

MainWindow::MainWindow(HostApplication& application, QWidget* parent)
    : QMainWindow(parent),
      application_(application),
      host_(application.model()),
      pane_(new PropertyPane(host_)),
      view_(new DocumentView) {
    setObjectName("CadHostWindow");
    resize(1200, 820);
    setCentralWidget(view_);
    view_->setSource(host_.documentSource());

    auto* dock = new QDockWidget("Property Manager", this);
    dock->setObjectName("PropertyManagerDock");
    dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dock->setWidget(pane_);
    addDockWidget(Qt::LeftDockWidgetArea, dock);

    buildFileMenu();
    windowMenu_ = menuBar()->addMenu("&Window");
    // Named, so that `window CadHostWindow` shows what the host last said there, such as
    // why a save failed.
    statusBar()->setObjectName("StatusBar");
    statusBar()->showMessage("Ready");

    connect(pane_, &PropertyPane::changed, this, [this] { refresh(); });
    connect(pane_, &PropertyPane::failed, this, &MainWindow::showFailure);
    connect(view_, &DocumentView::componentSelected, this, [this](const QString& name) {
        if (Document* document = host_.activeDocument()) {
            document->select(document->findComponent(name.toStdString()));
            refresh();
        }
    });
    refresh();
}

void MainWindow::act(const std::function<void()>& action) {
    try {
        action();
        statusBar()->showMessage("Ready");
    } catch (const com::ComError& e) {
        showFailure(QString("error %1 %2")
                        .arg(QString::fromStdString(com::hexCode(e.code())),
                             QString::fromStdString(e.description())));
    }
    refresh();
}

void MainWindow::showFailure(const QString& message) {
    statusBar()->setStyleSheet("color:#a02020;");
    statusBar()->showMessage(message);
}

void MainWindow::buildFileMenu() {
    QMenu* file = menuBar()->addMenu("&File");
    file->addAction("New &Part", this, [this] { newDocument(1); });
    file->addAction("New &Assembly", this, [this] { newDocument(2); });
    file->addAction("New &Drawing", this, [this] { newDocument(3); });
    file->addSeparator();
    file->addAction("&Open...", QKeySequence::Open, this, [this] { openDocument(); });
    file->addAction("&Save", QKeySequence::Save, this, [this] { saveDocument(false); });
    file->addAction("Save &As...", QKeySequence::SaveAs, this, [this] { saveDocument(true); });
    file->addAction("&Export...", this, [this] { exportDocument(); });
    file->addSeparator();
    file->addAction("Se&ttings...", this, [this] { editSettings(); });
    file->addAction("&Close", QKeySequence::Close, this,
                    [this] { act([this] { host_.closeActive(); }); });
    file->addSeparator();
    file->addAction("&Quit", QKeySequence::Quit, this, [this] { close(); });
}

void MainWindow::newDocument(int type) {
    static const char* names[] = {"", "Part", "Assembly", "Drawing"};
    bool ok = false;
    QString title = QInputDialog::getText(
        this, "New document", "Title:", QLineEdit::Normal,
        QString("%1%2").arg(names[type]).arg(host_.documents().size() + 1), &ok);
    if (ok) {
        act([&] { host_.newDocument(static_cast<host::DocumentType>(type), title.toStdString()); });
    }
}

void MainWindow::openDocument() {
    QString path = QFileDialog::getOpenFileName(this, "Open document", {}, "Documents (*.json)");
    if (!path.isEmpty()) {
        act([&] { host_.openDocument(path.toStdString()); });
    }
}

void MainWindow::saveDocument(bool choosePath) {
    Document* document = host_.activeDocument();
    if (document == nullptr) {
        return;
    }
    std::optional<std::filesystem::path> path;
    if (choosePath || document->path().empty()) {
        QString chosen = QFileDialog::getSaveFileName(
            this, "Save document", QString::fromStdString(document->title()) + ".json",
            "Documents (*.json)");
        if (chosen.isEmpty()) {
            return;
        }
        path = chosen.toStdString();
    }
    act([&] { host_.saveActive(path); });
}

void MainWindow::exportDocument() {
    Document* document = host_.activeDocument();
    if (document == nullptr) {
        return;
    }
    const bool drawing = document->type() == host::DocumentDrawing;
    const QString filters =
        drawing ? "DXF drawing (*.dxf);;TIFF picture (*.tif *.tiff)"
                : "STEP AP214 (*.step *.stp);;IGES (*.igs *.iges);;STL mesh (*.stl);;"
                  "TIFF picture (*.tif *.tiff)";
    const QString title = QString::fromStdString(document->title());
    QString chosen = QFileDialog::getSaveFileName(this, "Export " + title,
                                                  title + (drawing ? ".dxf" : ".step"), filters);
    if (chosen.isEmpty()) {
        return;
    }
    // The same save an add-in's SaveAs2 makes; a failure's reason reaches the status bar
    // through refresh().
    if (host_.saveAs(*document, chosen.toStdString()) == 0) {
        refresh();
        statusBar()->setStyleSheet({});
        statusBar()->showMessage("Exported " + title + " to " + chosen);
        return;
    }
    refresh();
}

// The team folder is the one setting so far: a line to type or paste a folder into, as
// shared folders are often reached by a path the file dialog does not offer.
void MainWindow::editSettings() {
    bool ok = false;
    const QString current =
        QString::fromStdString(host_.stringPreference(host::PreferenceTeamFolder));
    const QString folder = QInputDialog::getText(
        this, "Settings",
        "Folder of the team's shared lists (Options.xls, material.xls); empty for none:",
        QLineEdit::Normal, current, &ok);
    if (!ok) {
        return;
    }
    try {
        saveTeamFolder(host_, folder.toStdString());
        statusBar()->setStyleSheet({});
        statusBar()->showMessage("Settings saved to " +
                                 QString::fromStdString(settingsFile().string()));
    } catch (const com::ComError& error) {
        showFailure("Settings not saved: " + QString::fromStdString(error.description()));
    }
}

void MainWindow::rebuildAddinMenus() {
    for (QMenu* menu : addinMenus_) {
        menuBar()->removeAction(menu->menuAction());
        menu->deleteLater();
    }
    addinMenus_.clear();
    const std::int32_t type = host_.activeDocumentType();
    for (const auto& menu : host_.menuBar().menus()) {
        if (menu.documentType != type) {
            continue;
        }
        QMenu* qmenu = new QMenu(QString::fromStdString(menu.title), this);
        qmenu->setObjectName(QString::fromStdString(menu.title) + "Menu");
        for (const auto& item : host_.menuBar().itemsFor(type)) {
            if (item.menuTitle() != menu.title) {
                continue;
            }
            const std::string caption = item.caption();
            qmenu->addAction(QString::fromStdString(caption), this,
                             [this, caption] { act([&] { application_.pickMenuItem(caption); }); });
        }
        menuBar()->insertMenu(windowMenu_->menuAction(), qmenu);
        addinMenus_.push_back(qmenu);
    }
}

void MainWindow::rebuildWindowMenu() {
    windowMenu_->clear();
    for (const auto& document : host_.documents()) {
        const std::string title = document->title();
        QAction* action =
            windowMenu_->addAction(QString::fromStdString(title), this,
                                   [this, title] { act([&] { host_.activate(title); }); });
        action->setCheckable(true);
        action->setChecked(document.get() == host_.activeDocument());
    }
}

void MainWindow::refresh() {
    Document* document = host_.activeDocument();
    setWindowTitle(document != nullptr ? QString::fromStdString(document->title()) + " - cadhost"
                                       : "cadhost");
    rebuildAddinMenus();
    rebuildWindowMenu();
    pane_->refresh();
    view_->show(document);
    // A save an add-in asked for returns only a number to it; the user reads why here.
    const auto& failures = host_.saveFailures();
    if (failures.size() > saveFailuresShown_) {
        saveFailuresShown_ = failures.size();
        showFailure("Save failed: " + QString::fromStdString(failures.back()));
    }
}

}  // namespace quenmoor::cadhost
