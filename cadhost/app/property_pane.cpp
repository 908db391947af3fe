#include "cadhost/app/property_pane.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "cadhost/model/host_application.h"
#include "contracts/host/host_codes.h"
#include "platform/com/com_error.h"

namespace quenmoor::cadhost {

namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QString severityStyle(int severity) {
    switch (severity) {
        case 2:
            return "background:#fff4d6; border:1px solid #e0b23a;";
        case 3:
            return "background:#fde2e1; border:1px solid #d9534f;";
        default:
            return "background:#e8f1fb; border:1px solid #8fb3de;";
    }
}

}  // namespace

PropertyPane::PropertyPane(HostApplication& application, QWidget* parent)
    : QWidget(parent), application_(application), layout_(new QVBoxLayout(this)) {
    setObjectName("PropertyPane");
    layout_->setContentsMargins(6, 6, 6, 6);
    setMinimumWidth(280);
    refresh();
}

void PropertyPane::act(const std::function<void()>& action) {
    try {
        action();
    } catch (const com::ComError& e) {
        char code[16];
        std::snprintf(code, sizeof code, "0x%08X", static_cast<unsigned>(e.code()));
        emit failed(QString("error %1 %2").arg(code, text(e.description())));
    }
    // The page may have closed or changed under the widget that called: rebuild later.
    QTimer::singleShot(0, this, [this] { emit changed(); });
}

void PropertyPane::refresh() {
    if (content_ != nullptr) {
        // Taken out at once; deleted later, since the call may come from one of its widgets.
        layout_->removeWidget(content_);
        content_->hide();
        content_->deleteLater();
        content_ = nullptr;
    }
    content_ = new QWidget(this);
    auto* column = new QVBoxLayout(content_);
    column->setContentsMargins(0, 0, 0, 0);
    layout_->addWidget(content_);

    PropertyPage* page = application_.openPage();
    if (page == nullptr) {
        auto* none =
            new QLabel("No property page is open.\nPick a tool from the Quenmoor menu.", content_);
        none->setAlignment(Qt::AlignCenter);
        none->setStyleSheet("color:#777;");
        column->addWidget(none, 1);
        return;
    }

    auto* title = new QLabel(text(page->title()), content_);
    title->setObjectName("PageTitle");
    title->setStyleSheet("font-size:15px; font-weight:600; padding:2px 0;");
    column->addWidget(title);

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "OK", content_);
    auto* cancel =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), "Cancel", content_);
    auto* help = new QPushButton("?", content_);
    help->setFixedWidth(32);
    ok->setObjectName("PageOk");
    cancel->setObjectName("PageCancel");
    help->setObjectName("PageHelp");
    help->setToolTip("Help");
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    buttons->addWidget(help);
    column->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this,
            [this, page] { act([page] { page->close(host::CloseOkay); }); });
    connect(cancel, &QPushButton::clicked, this,
            [this, page] { act([page] { page->close(host::CloseCancel); }); });
    connect(help, &QPushButton::clicked, this, [this, page] { act([page] { page->help(); }); });

    if (!page->message().empty()) {
        auto* message = new QLabel(text(page->message()), content_);
        message->setObjectName("PageMessage");
        message->setWordWrap(true);
        message->setStyleSheet(severityStyle(page->severity()) + "padding:6px; border-radius:3px;");
        column->addWidget(message);
    }

    auto* scroll = new QScrollArea(content_);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* groups = new QWidget(scroll);
    auto* groupColumn = new QVBoxLayout(groups);
    groupColumn->setContentsMargins(0, 0, 0, 0);
    for (const auto& group : page->groups()) {
        auto* box = new QGroupBox(text(group->caption()), groups);
        box->setObjectName(QString("group%1").arg(group->id()));
        auto* controls = new QVBoxLayout(box);
        for (const auto& control : group->controls()) {
            controls->addWidget(makeControl(*page, *control));
        }
        groupColumn->addWidget(box);
    }
    groupColumn->addStretch();
    scroll->setWidget(groups);
    column->addWidget(scroll, 1);
}

QWidget* PropertyPane::makeControl(PropertyPage& page, PageControl& control) {
    const ControlInfo& info = control.info();
    const std::int32_t id = info.id;
    QWidget* widget = nullptr;
    switch (info.type) {
        case host::ControlCombobox: {
            auto& combo = static_cast<ComboControl&>(control);
            auto* box = new QComboBox;
            for (const auto& item : combo.items()) {
                box->addItem(text(item));
            }
            box->setCurrentIndex(combo.selection());
            connect(box, &QComboBox::activated, this, [this, &page, id](int index) {
                act([&page, id, index] { page.chooseItem(id, index); });
            });
            widget = box;
            break;
        }
        case host::ControlTextbox: {
            auto* edit = new QLineEdit(text(static_cast<TextControl&>(control).text()));
            connect(edit, &QLineEdit::editingFinished, this, [this, &page, id, edit] {
                std::string value = edit->text().toStdString();
                act([&page, id, value] { page.typeText(id, value); });
            });
            widget = edit;
            break;
        }
        case host::ControlCheckbox: {
            auto* box = new QCheckBox(text(info.caption));
            box->setChecked(static_cast<CheckboxControl&>(control).checked());
            connect(box, &QCheckBox::clicked, this, [this, &page, id](bool on) {
                act([&page, id, on] { page.setCheckbox(id, on); });
            });
            widget = box;
            break;
        }
        case host::ControlOption: {
            auto* radio = new QRadioButton(text(info.caption));
            radio->setAutoExclusive(false);
            radio->setChecked(static_cast<OptionControl&>(control).checked());
            connect(radio, &QRadioButton::clicked, this,
                    [this, &page, id] { act([&page, id] { page.checkOption(id); }); });
            widget = radio;
            break;
        }
        default: {
            auto* button = new QPushButton(text(info.caption));
            connect(button, &QPushButton::clicked, this,
                    [this, &page, id] { act([&page, id] { page.pressButton(id); }); });
            widget = button;
        }
    }
    widget->setObjectName(QString("%1%2")
                              .arg(QString::fromUtf8(control.kindName().data(),
                                                     static_cast<int>(control.kindName().size())))
                              .arg(id));
    widget->setToolTip(text(info.tip));
    return widget;
}

}  // namespace quenmoor::cadhost
