#include "quenmoortools/ui/about_box.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <cmath>
#include <numbers>

#include "quenmoortools/toolkit/tool_window.h"

namespace quenmoor::ui {

namespace {

using toolkit::pixels;
using toolkit::twips;

toolkit::SingleWindow<Form1> loaded;

}  // namespace

QImage aboutPicture() {
    QImage image(150, 120, QImage::Format_RGB888);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 120);
    sky.setColorAt(0, QColor(38, 70, 112));
    sky.setColorAt(1, QColor(96, 138, 180));
    p.fillRect(image.rect(), sky);
    // A gear: the tools work on parts, assemblies and drawings of machines.
    QPainterPath gear;
    const QPointF centre(58, 62);
    const int teeth = 12;
    for (int i = 0; i < teeth * 2; ++i) {
        const double angle = i * std::numbers::pi / teeth;
        const double radius = (i % 2 == 0) ? 40 : 32;
        QPointF a =
            centre + QPointF(std::cos(angle - 0.12) * radius, std::sin(angle - 0.12) * radius);
        QPointF b =
            centre + QPointF(std::cos(angle + 0.12) * radius, std::sin(angle + 0.12) * radius);
        i == 0 ? gear.moveTo(a) : gear.lineTo(a);
        gear.lineTo(b);
    }
    gear.closeSubpath();
    gear.addEllipse(centre, 12, 12);
    p.setPen(QPen(QColor(20, 30, 45), 1.5));
    p.setBrush(QColor(214, 220, 228));
    p.drawPath(gear);
    // A dimension line with its arrows, as on a drawing.
    p.setPen(QPen(QColor(255, 214, 90), 2));
    p.drawLine(QPointF(104, 22), QPointF(104, 102));
    p.drawLine(QPointF(98, 22), QPointF(110, 22));
    p.drawLine(QPointF(98, 102), QPointF(110, 102));
    p.setBrush(QColor(255, 214, 90));
    p.drawPolygon(QPolygonF({QPointF(104, 24), QPointF(100, 32), QPointF(108, 32)}));
    p.drawPolygon(QPolygonF({QPointF(104, 100), QPointF(100, 92), QPointF(108, 92)}));
    p.setPen(QColor(255, 255, 255));
    QFont font("DejaVu Sans", 9, QFont::Bold);
    p.setFont(font);
    p.drawText(QRectF(112, 52, 36, 20), Qt::AlignLeft | Qt::AlignVCenter, "80");
    return image;
}

Form1::Form1()
    : Label1(new QLabel("Quenmoor Tools", this)),
      Label2(new QLabel(this)),
      Image1(new QLabel(this)),
      Command1(new QPushButton("OK", this)),
      Label3(new QLabel(this)) {
    setObjectName("Form1");
    setWindowTitle("About Quenmoor Tools");
    setAttribute(Qt::WA_DeleteOnClose);  // closing the box unloads it, as OK does
    setFixedSize(pixels(6405), pixels(3765));

    Label1->setObjectName("Label1");
    // MS Sans Serif is not on this platform; the font matcher takes the nearest sans serif.
    QFont title("MS Sans Serif");
    title.setStyleHint(QFont::SansSerif);
    title.setPointSizeF(13.5);
    title.setWeight(QFont::Normal);
    Label1->setFont(title);
    Label1->setGeometry(twips(240, 240, 2775, 495));

    Label2->setObjectName("Label2");
    Label2->setText(
        "Engineering tools for the design office: custom properties, units, "
        "materials, appearance, dimension names and export.");
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setGeometry(twips(120, 960, 3255, 855));

    Image1->setObjectName("Image1");
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(QPixmap::fromImage(aboutPicture()));
    Image1->setGeometry(twips(4080, 120, 2250, 1560));

    Command1->setObjectName("Command1");
    Command1->setGeometry(twips(4320, 1800, 1575, 495));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);

    Label3->setObjectName("Label3");
    Label3->setText(
        "Version 1.00. Quenmoor Systems. Provided as is, without warranty; "
        "check every exported file before release.");
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3->setGeometry(twips(1440, 2760, 3495, 855));
}

void showAbout() {
    toolkit::requireWindowSystem("About", "the box");
    toolkit::bringUp(loaded.loaded([] { return new Form1(); }));
}

}  // namespace quenmoor::ui
