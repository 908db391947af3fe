#include "cadhost/app/property_pane.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "cadhost/app/pane_widgets.h"
#include "cadhost/model/host_model.h"
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

PropertyPane::PropertyPane(HostModel& host, QWidget* parent)
    : QWidget(parent), host_(host), layout_(new QVBoxLayout(this)) {
    setObjectName("PropertyPane");
    layout_->setContentsMargins(6, 6, 6, 6);
    setMinimumWidth(280);
    refresh();
}

void PropertyPane::act(const std::function<void()>& action) {
    try {
        action();
    } catch (const com::ComError& e) {
        emit failed(
            QString("error %1 %2").arg(text(com::hexCode(e.code())), text(e.description())));
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

    PropertyPage* page = host_.openPage();
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
    // With several documents open, the user sees which one the page acts on.
    if (std::shared_ptr<Document> document = page->document()) {
        auto* owner = new QLabel("for " + text(document->title()), content_);
        owner->setObjectName("PageDocument");
        owner->setStyleSheet("color:#555;");
        column->addWidget(owner);
    }

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
    PaneWidgets widgets(this, page, control.info(),
                        [this](const std::function<void()>& action) { act(action); });
    control.present(widgets);
    QWidget* widget = widgets.widget();
    const std::string_view kind = control.kindName();
    widget->setObjectName(QString("%1%2")
                              .arg(QString::fromUtf8(kind.data(), static_cast<int>(kind.size())))
                              .arg(control.info().id));
    widget->setToolTip(text(control.info().tip));
    return widget;
}

}  // namespace quenmoor::cadhost
