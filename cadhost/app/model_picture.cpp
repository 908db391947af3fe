#include "cadhost/app/model_picture.h"

#include <QPainter>

namespace quenmoor::cadhost {

ModelPicture::ModelPicture(QWidget* parent) : QWidget(parent) {
    setObjectName("ModelPicture");
    setMinimumSize(320, 240);
}

void ModelPicture::showModel(Renderer renderer) {
    renderer_ = std::move(renderer);
    message_.clear();
    render();
}

void ModelPicture::showMessage(const QString& message, bool problem) {
    renderer_ = nullptr;
    image_ = QImage();
    message_ = message;
    problem_ = problem;
    update();
}

void ModelPicture::render() {
    if (!renderer_ || width() <= 0 || height() <= 0) {
        return;
    }
    geometry::Image picture = renderer_(width(), height());
    // QImage borrows the pixels; copy() gives it its own before `picture` goes away.
    image_ = QImage(picture.rgb.data(), picture.width, picture.height, picture.width * 3,
                    QImage::Format_RGB888)
                 .copy();
    update();
}

void ModelPicture::resizeEvent(QResizeEvent*) {
    render();
}

void ModelPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!image_.isNull()) {
        painter.drawImage(0, 0, image_);
        return;
    }
    painter.fillRect(rect(), QColor(236, 238, 242));
    painter.setPen(problem_ ? QColor(160, 32, 32) : QColor(90, 90, 90));
    painter.drawText(rect().adjusted(16, 16, -16, -16), Qt::AlignCenter | Qt::TextWordWrap,
                     message_.isEmpty() ? QString("No solid to show") : message_);
}

}  // namespace quenmoor::cadhost
