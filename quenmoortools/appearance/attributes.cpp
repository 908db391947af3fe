#include "quenmoortools/appearance/attributes.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "contracts/host/host_codes.h"
#include "platform/com/com_error.h"
#include "quenmoortools/toolkit/host_access.h"
#include "quenmoortools/toolkit/tool_window.h"

namespace quenmoor::appearance {

namespace {

toolkit::SingleWindow<Attributes> loaded;

constexpr double Diffuse = 0.75;
constexpr double Emission = 0.25;

// Layout in pixels: this window has no twips layout of its own to convert.
constexpr int RowTop = 16;
constexpr int RowPitch = 34;
constexpr int SliderLeft = 16;
constexpr int SliderWidth = 210;
constexpr int RowHeight = 22;
constexpr int SideLeft = 238;
constexpr int ColumnHeight = RowPitch * 5 + RowHeight;
constexpr int VerticalLeft = 336;

// The active document, which must be a part or an assembly; returns its type.
std::int32_t requireModel(const com::ComPtr<host::IModelDoc2>& document, const char* action) {
    if (!document) {
        throw com::ComError(com::CTL_E_OBJECTNOTSET,
                            std::string("Appearance Panel: no document is open to ") + action);
    }
    const std::int32_t type = document->GetType();
    if (type != host::DocumentPart && type != host::DocumentAssembly) {
        throw com::ComError(com::E_INVALIDARG,
                            "Appearance Panel: document \"" + document->GetTitle() +
                                "\" is neither a part nor an assembly, so its appearance was "
                                "not " +
                                (action[0] == 'r' ? "read" : "written"));
    }
    return type;
}

QScrollBar* makeSlider(QWidget* parent, const char* name, Qt::Orientation orientation) {
    auto* slider = new QScrollBar(orientation, parent);
    slider->setObjectName(name);
    slider->setRange(0, 100);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setValue(0);
    // A drag writes once, when the thumb is released; clicks and keys write at once.
    slider->setTracking(false);
    return slider;
}

QLabel* makeSwatch(QWidget* parent, const char* name, const QColor& colour, int row) {
    auto* swatch = new QLabel(parent);
    swatch->setObjectName(name);
    swatch->setAutoFillBackground(true);
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, colour);
    swatch->setPalette(palette);
    swatch->setFrameShape(QFrame::Box);
    swatch->setGeometry(SideLeft, RowTop + row * RowPitch + 1, 20, 20);
    return swatch;
}

QLabel* makeLabel(QWidget* parent, const char* name, const char* text, int row) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(SideLeft, RowTop + row * RowPitch, 84, RowHeight);
    return label;
}

}  // namespace

int sliderPosition(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    // nearbyint rounds in the default mode, to nearest with halves to even.
    return static_cast<int>(std::clamp(std::nearbyint(value * 100.0), 0.0, 100.0));
}

QImage attributesPicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient wash(0, 0, 0, size.height());
    wash.setColorAt(0, QColor(236, 240, 245));
    wash.setColorAt(1, QColor(204, 213, 225));
    p.fillRect(image.rect(), wash);
    // A lit sphere, the way the host shades a part under these values.
    const QPointF centre(size.width() * 0.62, size.height() * 0.58);
    const double radius = size.height() * 0.55;
    QRadialGradient ball(centre, radius, centre - QPointF(radius * 0.4, radius * 0.45));
    ball.setColorAt(0, QColor(255, 255, 255, 90));
    ball.setColorAt(0.55, QColor(150, 172, 200, 55));
    ball.setColorAt(1, QColor(90, 112, 140, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(ball);
    p.drawEllipse(centre, radius, radius);
    return image;
}

Attributes::Attributes()
    : Frame1(new QFrame(this)),
      rbar(makeSlider(Frame1, "rbar", Qt::Horizontal)),
      Gbar(makeSlider(Frame1, "Gbar", Qt::Horizontal)),
      bbar(makeSlider(Frame1, "bbar", Qt::Horizontal)),
      ambient(makeSlider(Frame1, "ambient", Qt::Horizontal)),
      specular(makeSlider(Frame1, "specular", Qt::Horizontal)),
      shine(makeSlider(Frame1, "shine", Qt::Horizontal)),
      transparent(makeSlider(Frame1, "transparent", Qt::Vertical)),
      Image1(makeSwatch(Frame1, "Image1", Qt::red, 0)),
      Image3(makeSwatch(Frame1, "Image3", Qt::green, 1)),
      Image4(makeSwatch(Frame1, "Image4", Qt::blue, 2)),
      Label1(makeLabel(Frame1, "Label1", "Ambient", 3)),
      Label2(makeLabel(Frame1, "Label2", "Specularity", 4)),
      Label3(makeLabel(Frame1, "Label3", "Shine", 5)),
      Label4(new QLabel("Transparency", Frame1)),
      StatusLabel(new QLabel(Frame1)) {
    setObjectName("Attributes");
    setWindowTitle("Attribute");
    setAttribute(Qt::WA_DeleteOnClose);  // closing with the frame unloads the window
    setFixedSize(412, 276);

    Frame1->setObjectName("Frame1");
    Frame1->setFrameShape(QFrame::NoFrame);
    Frame1->setGeometry(0, 0, width(), height());

    const std::array<QScrollBar*, 6> column = {rbar, Gbar, bbar, ambient, specular, shine};
    for (std::size_t row = 0; row < column.size(); ++row) {
        column[row]->setGeometry(SliderLeft, RowTop + static_cast<int>(row) * RowPitch, SliderWidth,
                                 RowHeight);
    }
    transparent->setGeometry(VerticalLeft + 20, RowTop, RowHeight, ColumnHeight);
    Label4->setObjectName("Label4");
    Label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label4->setGeometry(VerticalLeft - 16, RowTop + ColumnHeight + 6, 94, RowHeight);

    StatusLabel->setObjectName("StatusLabel");
    StatusLabel->setWordWrap(true);
    StatusLabel->setStyleSheet("color: #a01010;");
    StatusLabel->setGeometry(SliderLeft, RowTop + ColumnHeight + 6, VerticalLeft - 24, 48);

    for (QScrollBar* slider : {rbar, Gbar, bbar, ambient, specular, shine, transparent}) {
        slider->setToolTip("0.00");
        connect(slider, &QScrollBar::valueChanged, this, [this, slider](int position) {
            slider->setToolTip(QString::number(position / 100.0, 'f', 2));
            userChange();
        });
    }
}

void Attributes::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, attributesPicture(size()));
}

std::array<double, 9> Attributes::sliderValues() const {
    return {rbar->value() / 100.0,
            Gbar->value() / 100.0,
            bbar->value() / 100.0,
            ambient->value() / 100.0,
            Diffuse,
            specular->value() / 100.0,
            shine->value() / 100.0,
            transparent->value() / 100.0,
            Emission};
}

void Attributes::load() {
    toolkit::keepOnTop(this);
    host_ = toolkit::hostByProgId();
    const auto document = host_->ActiveDoc();
    requireModel(document, "read");
    const std::vector<double> loadedValues = document->MaterialPropertyValues();
    if (loadedValues.size() != values_.size()) {
        throw com::ComError(com::DISP_E_BADINDEX, "Appearance Panel: document \"" +
                                                      document->GetTitle() + "\" gave " +
                                                      std::to_string(loadedValues.size()) +
                                                      " appearance values instead of nine");
    }
    // Each slider that moves writes the target at once, with the sliders set so far.
    const std::pair<QScrollBar*, std::size_t> fromValue[] = {
        {rbar, 0}, {Gbar, 1}, {bbar, 2}, {ambient, 3}, {specular, 5}, {shine, 6}};
    for (const auto& [slider, index] : fromValue) {
        const int position = sliderPosition(loadedValues[index]);
        if (position != slider->value()) {
            {
                const QSignalBlocker quiet(slider);
                slider->setValue(position);
                slider->setToolTip(QString::number(position / 100.0, 'f', 2));
            }
            change();
        }
    }
}

void Attributes::change() {
    host_ = toolkit::hostByProgId();
    // Asked only to find a host that no longer answers before anything is written; the
    // target document is picked by getdefaultsetting.
    host_->ActiveDoc();
    getdefaultsetting();
    if (!redraw_) {
        throw com::ComError(com::CTL_E_OBJECTNOTSET,
                            "Appearance Panel: no document is open to redraw");
    }
    redraw_->GraphicsRedraw2();
}

void Attributes::getdefaultsetting() {
    host_ = toolkit::hostByProgId();
    targetDocument_ = host_->ActiveDoc();
    targetComponent_.reset();
    if (requireModel(targetDocument_, "write") == host::DocumentAssembly) {
        const auto selection = targetDocument_->SelectionManager();
        if (selection->GetSelectedObjectType2(1) == host::SelectionComponent) {
            targetComponent_ = selection->GetSelectedObject3(1).as<host::IComponent2>(
                "Appearance Panel: the selected component");
        }
    }
    // The values read are not used, as every write replaces all nine: reading them first
    // stops at a target whose values cannot be read, before it is written.
    if (targetComponent_) {
        targetComponent_->MaterialPropertyValues();
    } else {
        targetDocument_->MaterialPropertyValues();
    }
    values_ = sliderValues();
    std::vector<double> written(values_.begin(), values_.end());
    if (targetComponent_) {
        targetComponent_->SetMaterialPropertyValues(std::move(written));
    } else {
        targetDocument_->SetMaterialPropertyValues(std::move(written));
    }
    redraw_ = host_->ActiveDoc();
}

void Attributes::userChange() {
    try {
        change();
        StatusLabel->clear();
    } catch (const std::exception& e) {
        // A failure must not cross the event loop; the user sees it and may try again.
        StatusLabel->setText(QString::fromStdString(e.what()));
    }
}

void showAppearance() {
    toolkit::requireWindowSystem("Appearance Panel", "the panel");
    toolkit::bringUp(loaded.loaded([] {
        auto window = std::make_unique<Attributes>();
        window->load();
        return window.release();
    }));
}

Attributes* appearanceWindow() {
    return loaded.get();
}

}  // namespace quenmoor::appearance
