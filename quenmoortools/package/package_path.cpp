#include "quenmoortools/package/package_path.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>

#include "quenmoortools/toolkit/tool_window.h"

namespace quenmoor::package {

namespace {

using toolkit::pixels;
using toolkit::twips;

toolkit::SingleWindow<packagepath> loaded;

constexpr int FolderRole = Qt::UserRole;

// The window is created and loaded the first time it is needed, hidden until shown.
packagepath& load() {
    return loaded.loaded([] {
        auto* window = new packagepath();
        toolkit::keepOnTop(window);
        return window;
    });
}

}  // namespace

packagepath::packagepath()
    : Drive1(new QComboBox(this)),
      Dir1(new QListWidget(this)),
      Command1(new QPushButton("OK", this)),
      Text1(new QLineEdit(this)),
      Command2(new QPushButton("Close", this)),
      PathLabel(new QLabel(this)) {
    setObjectName("packagepath");
    setWindowTitle("Package Path");
    setFixedSize(pixels(4680), pixels(3195));

    Drive1->setObjectName("Drive1");
    Drive1->setGeometry(twips(120, 240, 1575, 315));
    Drive1->setToolTip("The file system to export to");
    Drive1->addItem(style()->standardIcon(QStyle::SP_DirHomeIcon), "Home", QDir::homePath());
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady()) {
            continue;
        }
        const QString root = volume.rootPath();
        const QString name = volume.name();
        Drive1->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon),
                        name.isEmpty() || name == root ? root : root + "  [" + name + "]", root);
    }
    // The list itself is narrow to fit the form's layout; its pop-up shows the whole names.
    Drive1->view()->setMinimumWidth(pixels(3600));

    Dir1->setObjectName("Dir1");
    Dir1->setGeometry(twips(120, 720, 1935, 1665));
    Dir1->setSelectionMode(QAbstractItemView::SingleSelection);
    Dir1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Dir1->setTextElideMode(Qt::ElideMiddle);
    Dir1->setToolTip("Double-click a folder to open it, \"..\" to go up");

    Command1->setObjectName("Command1");
    Command1->setGeometry(twips(120, 2520, 1695, 495));
    Command1->setToolTip("Take the selected folder as the export folder");

    Text1->setObjectName("Text1");
    Text1->setGeometry(twips(2040, 240, 2535, 375));
    Text1->setPlaceholderText("Export folder");

    Command2->setObjectName("Command2");
    Command2->setGeometry(twips(2040, 2520, 1695, 495));

    PathLabel->setObjectName("PathLabel");
    PathLabel->setGeometry(twips(2040, 720, 2535, 1065));
    PathLabel->setWordWrap(true);
    PathLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PathLabel->setTextFormat(Qt::PlainText);

    auto* hint =
        new QLabel("Double-click a folder to open it. OK takes the selected folder.", this);
    hint->setObjectName("HintLabel");
    hint->setGeometry(twips(2040, 1845, 2535, 540));
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    QPalette quiet = hint->palette();
    quiet.setColor(QPalette::WindowText, quiet.color(QPalette::PlaceholderText));
    hint->setPalette(quiet);

    setTabOrder(Drive1, Dir1);
    setTabOrder(Dir1, Command1);
    setTabOrder(Command1, Text1);
    setTabOrder(Text1, Command2);

    connect(Drive1, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &packagepath::driveChanged);
    connect(Dir1, &QListWidget::itemActivated, this, &packagepath::folderActivated);
    connect(Command1, &QPushButton::clicked, this,
            [this] { Text1->setText(QDir::toNativeSeparators(selectedFolder())); });
    connect(Command2, &QPushButton::clicked, this, &QWidget::hide);

    driveChanged(Drive1->currentIndex());
}

void packagepath::setPath(const QString& folder) {
    const QDir dir(folder);
    path_ = QDir::cleanPath(dir.absolutePath());
    Dir1->clear();
    if (!dir.isRoot()) {
        auto* up = new QListWidgetItem(style()->standardIcon(QStyle::SP_FileDialogToParent), "..");
        up->setData(FolderRole, QDir::cleanPath(path_ + "/.."));
        Dir1->addItem(up);
    }
    const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
    for (const QString& name :
         dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto* item = new QListWidgetItem(folderIcon, name);
        item->setData(FolderRole, QDir::cleanPath(dir.filePath(name)));
        Dir1->addItem(item);
    }
    PathLabel->setText("Open folder:\n" + QDir::toNativeSeparators(path_));
}

QString packagepath::selectedFolder() const {
    const QListWidgetItem* item = Dir1->currentItem();
    if (item == nullptr || !item->isSelected() || item->text() == "..") {
        return path_;
    }
    return item->data(FolderRole).toString();
}

void packagepath::driveChanged(int index) {
    if (index >= 0) {
        setPath(Drive1->itemData(index).toString());
    }
}

void packagepath::folderActivated(QListWidgetItem* item) {
    if (item != nullptr) {
        setPath(item->data(FolderRole).toString());
    }
}

void showLocation() {
    toolkit::requireWindowSystem("Location", "the export location window");
    toolkit::bringUp(load());
}

std::string locationText() {
    if (loaded.get() == nullptr && !toolkit::windowSystem()) {
        return {};
    }
    return load().Text1->text().toStdString();
}

packagepath* locationWindow() {
    return loaded.get();
}

}  // namespace quenmoor::package
