#pragma once

#include <QWidget>
#include <array>

#include "contracts/host/host_application.h"
#include "platform/com/com_ptr.h"

class QFrame;
class QLabel;
class QScrollBar;

namespace quenmoor::appearance {

// The appearance panel: seven sliders, 0 to 100, for the nine appearance values of the
// active part, or of the assembly component selected first (else the assembly itself).
// The sliders are scroll bars, with an arrow at each end that steps by one. Every change
// of a slider writes all nine values and redraws the active document; a drag writes when
// the thumb is released.
class Attributes : public QWidget {
    Q_OBJECT

public:
    Attributes();

    // Loading: reads the active document's values and sets the six sliders that take them
    // one after another, each move writing the target as a change does. Fails, naming the
    // document, when none is open or it is neither a part nor an assembly.
    void load();

    // The change of any slider: picks the target, fills the values from the sliders and
    // writes them, then redraws.
    void change();

    // The target's nine values as the sliders stand now.
    std::array<double, 9> sliderValues() const;

    QFrame* Frame1;
    QScrollBar* rbar;
    QScrollBar* Gbar;
    QScrollBar* bbar;
    QScrollBar* ambient;
    QScrollBar* specular;
    QScrollBar* shine;
    QScrollBar* transparent;
    QLabel* Image1;
    QLabel* Image3;
    QLabel* Image4;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    // The add-in shows no message box: a failed write after a user's move is shown here,
    // and the slider keeps its new position.
    QLabel* StatusLabel;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void getdefaultsetting();
    void userChange();

    com::ComPtr<host::ISldWorks> host_;
    // The target is the document or, in an assembly, the component selected first.
    com::ComPtr<host::IModelDoc2> targetDocument_;
    com::ComPtr<host::IComponent2> targetComponent_;
    std::array<double, 9> values_{};
    com::ComPtr<host::IModelDoc2> redraw_;
};

// `Appearance`: shows the window, loading it first when it is not loaded; a window already
// open keeps its positions and writes nothing. A failed loading leaves no window.
void showAppearance();

// The window, or null when it is not loaded.
Attributes* appearanceWindow();

// The window's background picture, drawn here.
QImage attributesPicture(QSize size);

// A loaded value's slider position: value x 100 rounded to the nearest whole number, halves
// to the even neighbour, held within 0 to 100.
int sliderPosition(double value);

}  // namespace quenmoor::appearance
