#include "cadhost/app/pane_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "cadhost/model/property_page.h"

namespace quenmoor::cadhost {

namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

void PaneWidgets::dropDownList(const std::vector<std::string>& items, int selection) {
    auto* box = new QComboBox;
    for (const auto& item : items) {
        box->addItem(text(item));
    }
    box->setCurrentIndex(selection);
    QObject::connect(box, &QComboBox::activated, context_,
                     [&page = page_, id = info_.id, act = act_](int index) {
                         act([&page, id, index] { page.chooseItem(id, index); });
                     });
    widget_ = box;
}

void PaneWidgets::textLine(const std::string& value) {
    auto* edit = new QLineEdit(text(value));
    QObject::connect(edit, &QLineEdit::editingFinished, context_,
                     [&page = page_, id = info_.id, act = act_, edit] {
                         std::string typed = edit->text().toStdString();
                         act([&page, id, typed] { page.typeText(id, typed); });
                     });
    widget_ = edit;
}

void PaneWidgets::checkBox(bool checked) {
    auto* box = new QCheckBox(text(info_.caption));
    box->setChecked(checked);
    QObject::connect(box, &QCheckBox::clicked, context_,
                     [&page = page_, id = info_.id, act = act_](bool on) {
                         act([&page, id, on] { page.setCheckbox(id, on); });
                     });
    widget_ = box;
}

void PaneWidgets::optionButton(bool checked) {
    auto* radio = new QRadioButton(text(info_.caption));
    // The page unchecks the group's other option buttons; the pane shows what it holds.
    radio->setAutoExclusive(false);
    radio->setChecked(checked);
    QObject::connect(
        radio, &QRadioButton::clicked, context_,
        [&page = page_, id = info_.id, act = act_] { act([&page, id] { page.checkOption(id); }); });
    widget_ = radio;
}

void PaneWidgets::pushButton() {
    auto* button = new QPushButton(text(info_.caption));
    QObject::connect(
        button, &QPushButton::clicked, context_,
        [&page = page_, id = info_.id, act = act_] { act([&page, id] { page.pressButton(id); }); });
    widget_ = button;
}

}  // namespace quenmoor::cadhost
