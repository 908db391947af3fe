#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>

#include "cadhost/geometry/render.h"

namespace quenmoor::cadhost {

// The graphics area: the active document drawn by the same software renderer that writes
// the host's TIFF pictures, redrawn at the widget's size. When the model cannot be built
// it shows why instead.
class ModelPicture : public QWidget {
    Q_OBJECT

public:
    using Renderer = std::function<geometry::Image(int width, int height)>;

    explicit ModelPicture(QWidget* parent = nullptr);

    void showModel(Renderer renderer);
    // A note in grey, or in red when it says why the model cannot be shown.
    void showMessage(const QString& message, bool problem = false);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void render();

    Renderer renderer_;
    QImage image_;
    QString message_;
    bool problem_ = false;
};

}  // namespace quenmoor::cadhost
