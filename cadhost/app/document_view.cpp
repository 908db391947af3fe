#include "cadhost/app/document_view.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QSplitter>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>

#include "cadhost/app/model_picture.h"
#include "cadhost/model/document.h"
#include "platform/com/com_error.h"

namespace quenmoor::cadhost {

namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// A sphere lit by the appearance values: colour, ambient, diffuse, specular, shininess
// and transparency over a checker board, so a change of any slider shows.
QPixmap swatch(const std::vector<double>& v, int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    const double r = v[0], g = v[1], b = v[2], ambient = v[3], diffuse = v[4], specular = v[5];
    const double shininess = 1 + v[6] * 127, transparency = v[7], emission = v[8];
    const double lx = -0.4, ly = -0.5, lz = 0.77;  // light from the upper left
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool dark = ((x / 8) + (y / 8)) % 2 == 0;
            QColor background = dark ? QColor(200, 200, 200) : QColor(245, 245, 245);
            const double nx = (2.0 * x / size) - 1, ny = (2.0 * y / size) - 1;
            const double d = nx * nx + ny * ny;
            if (d > 1) {
                image.setPixelColor(x, y, background);
                continue;
            }
            const double nz = std::sqrt(1 - d);
            const double lambert = std::max(0.0, nx * lx + ny * ly + nz * lz);
            const double hz = nz * 2 * lambert - lz;  // reflection towards the viewer
            const double highlight = specular * std::pow(std::max(0.0, hz), shininess);
            auto channel = [&](double c, double back) {
                double lit = c * (0.25 * ambient + diffuse * lambert) + highlight + emission * c;
                lit = std::min(1.0, lit);
                return static_cast<int>(255 * (lit * (1 - transparency) + back * transparency));
            };
            image.setPixelColor(
                x, y,
                QColor(channel(r, background.redF()), channel(g, background.greenF()),
                       channel(b, background.blueF())));
        }
    }
    return QPixmap::fromImage(image);
}

}  // namespace

DocumentView::DocumentView(QWidget* parent)
    : QWidget(parent),
      heading_(new QLabel(this)),
      picture_(new ModelPicture(this)),
      tree_(new QTreeWidget(this)),
      properties_(new QTableWidget(0, 2, this)),
      density_(new QLabel(this)),
      swatch_(new QLabel(this)),
      values_(new QLabel(this)) {
    setObjectName("DocumentView");
    heading_->setStyleSheet("font-size:16px; font-weight:600;");
    tree_->setObjectName("FeatureTree");
    tree_->setHeaderLabels({"Feature tree", "Value"});
    tree_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    properties_->setObjectName("CustomProperties");
    properties_->setHorizontalHeaderLabels({"Custom property", "Value"});
    properties_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    properties_->verticalHeader()->hide();
    properties_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    swatch_->setObjectName("AppearanceSwatch");
    swatch_->setFixedSize(120, 120);
    values_->setStyleSheet("color:#555; font-family:monospace;");
    values_->setWordWrap(true);

    auto* side = new QWidget(this);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(properties_, 1);
    auto* appearance = new QGridLayout;
    appearance->addWidget(swatch_, 0, 0, 2, 1);
    appearance->addWidget(density_, 0, 1);
    appearance->addWidget(values_, 1, 1);
    sideLayout->addLayout(appearance);

    auto* details = new QSplitter(this);
    details->addWidget(tree_);
    details->addWidget(side);
    details->setStretchFactor(0, 3);
    details->setStretchFactor(1, 2);

    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(picture_);
    split->addWidget(details);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(split, 1);

    connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        if (item->data(0, Qt::UserRole).toString() == "component") {
            emit componentSelected(item->text(0));
        }
    });
}

void DocumentView::show(const Document* document) {
    tree_->clear();
    properties_->setRowCount(0);
    if (document == nullptr) {
        heading_->setText("No document is open");
        density_->clear();
        swatch_->clear();
        values_->clear();
        picture_->showMessage({});
        return;
    }
    showModel(*document);
    static const char* kinds[] = {"", "Part", "Assembly", "Drawing"};
    heading_->setText(QString("%1  —  %2").arg(text(document->title()), kinds[document->type()]));
    for (const auto& feature : document->features()) {
        auto* item = new QTreeWidgetItem(tree_, {text(feature->name()), text(feature->kind())});
        for (const auto& dimension : feature->dimensions()) {
            new QTreeWidgetItem(
                item, {text(dimension->name()), QString::number(dimension->value(), 'g', 10)});
        }
        item->setExpanded(true);
    }
    for (const auto& component : document->components()) {
        auto* item =
            new QTreeWidgetItem(tree_, {text(component->name()), text(component->partPath())});
        item->setData(0, Qt::UserRole, "component");
        for (const auto& selected : document->selection()) {
            if (selected.get() == component.get()) {
                item->setSelected(true);
                item->setText(1, item->text(1) + "  (selected)");
            }
        }
    }
    for (const auto& view : document->views()) {
        new QTreeWidgetItem(tree_, {"View: " + text(view.name), text(view.source)});
    }
    for (const auto& property : document->customProperties()) {
        const int row = properties_->rowCount();
        properties_->insertRow(row);
        properties_->setItem(row, 0, new QTableWidgetItem(text(property.name)));
        properties_->setItem(row, 1, new QTableWidgetItem(text(property.value)));
    }
    density_->setText(QString("Density: %1 kg/m³").arg(document->density()));
    // An assembly shows its selected component's appearance, else its own.
    const std::vector<double>* values = &document->materialValues();
    if (!document->selection().empty()) {
        values = &document->selection().front()->values();
    }
    swatch_->setPixmap(swatch(*values, 120));
    QStringList numbers;
    for (double v : *values) {
        numbers << QString::number(v, 'g', 3);
    }
    values_->setText(numbers.join("  "));
}

void DocumentView::showModel(const Document& document) {
    if (!source_) {
        picture_->showMessage({});
        return;
    }
    // A sheet or a scene: drawn when it holds something, else a note that it is empty.
    auto show = [&](auto model, auto draw) {
        if (model.empty()) {
            picture_->showMessage("\"" + text(document.title()) + "\" has nothing to show yet");
            return;
        }
        picture_->showModel([model = std::move(model), draw](int width, int height) {
            return draw(model, width, height);
        });
    };
    try {
        if (document.type() == host::DocumentDrawing) {
            show(sheetOf(document, source_), geometry::renderSheet);
        } else {
            show(sceneOf(document, source_), geometry::renderScene);
        }
    } catch (const com::ComError& e) {
        picture_->showMessage(QString::fromStdString(e.description()), true);
    }
}

}  // namespace quenmoor::cadhost
