#include "quenmoortools/package/package_path.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>

#include "platform/com/com_error.h"
#include "quenmoortools/ui/addin_windows.h"
#include "quenmoortools/ui/form_on_top.h"

namespace quenmoor::package {

namespace {

QPointer<packagepath> loaded;

constexpr int FolderRole = Qt::UserRole;

QRect twips(int left, int top, int width, int height) {
    return {ui::pixels(left), ui::pixels(top), ui::pixels(width), ui::pixels(height)};
}

bool windowSystem() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

// The window is created and loaded the first time it is needed, hidden until shown.
packagepath& load() {
    if (!loaded) {
        loaded = new packagepath();
        ui::trackWindow(loaded);
        ui::keepOnTop(loaded);
    }
    return *loaded;
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
    setFixedSize(ui::pixels(4680), ui::pixels(3195));

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
    // The list itself is narrow, as the original's; its pop-up shows the whole names.
    Drive1->view()->setMinimumWidth(ui::pixels(3600));

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
    if (!windowSystem()) {
        throw com::ComError(com::E_UNEXPECTED,
                            "Location: the host runs without a window system to show "
                            "the export location window in");
    }
    packagepath& window = load();
    window.show();
    window.raise();
}

std::string locationText() {
    if (!loaded && !windowSystem()) {
        return {};
    }
    return load().Text1->text().toStdString();
}

packagepath* locationWindow() {
    return loaded.data();
}

}  // namespace quenmoor::package
