#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace quenmoor::ui {

// The About box, Form1: the product's title, a picture, a credits line, a notice line and
// an OK button that unloads the box.
class Form1 : public QWidget {
    Q_OBJECT

public:
    Form1();

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Image1;
    QPushButton* Command1;
    QLabel* Label3;
};

// `about`: shows the box modeless, loading it first when it is not loaded. A second call
// while it is open leaves the one box, raised.
void showAbout();

// The box's picture, drawn here: 150 x 120 pixels, 24-bit.
QImage aboutPicture();

}  // namespace quenmoor::ui
