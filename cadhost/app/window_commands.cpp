// Script commands that drive top-level windows the way a user does: type into a text box,
// click a button, pick a list entry, move a slider, close the window, take a picture.

#include "cadhost/app/window_commands.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStatusBar>
#include <QTextEdit>
#include <QWidget>
#include <ostream>

#include "cadhost/app/script_runner.h"

namespace quenmoor::cadhost {

namespace {

using Arguments = ScriptRunner::Arguments;

QWidget* findWindow(const std::string& name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName().toStdString() == name) {
            return widget;
        }
    }
    return nullptr;
}

QWidget& window(const std::string& name) {
    QWidget* found = findWindow(name);
    if (found == nullptr) {
        throw ScriptError("no window named \"" + name + "\"");
    }
    return *found;
}

// NAME.CONTROL: a window and one of its controls, both by object name.
QWidget& control(const std::string& path) {
    auto dot = path.find('.');
    if (dot == std::string::npos) {
        throw ScriptError("\"" + path + "\" must name WINDOW.CONTROL");
    }
    QWidget& owner = window(path.substr(0, dot));
    auto* found = owner.findChild<QWidget*>(QString::fromStdString(path.substr(dot + 1)));
    if (found == nullptr) {
        throw ScriptError("window \"" + path.substr(0, dot) + "\" has no control \"" +
                          path.substr(dot + 1) + "\"");
    }
    return *found;
}

std::string str(const QString& text) {
    return text.toStdString();
}

void printControl(std::ostream& out, QWidget& widget) {
    const QRect g = widget.geometry();
    out << "control " << str(widget.objectName()) << ' ' << widget.metaObject()->className() << ' '
        << g.x() << ' ' << g.y() << ' ' << g.width() << ' ' << g.height();
    if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        out << " text " << quote(str(button->text()));
        if (button->isCheckable()) {
            out << " checked " << (button->isChecked() ? "True" : "False");
        }
    } else if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        out << " text " << quote(str(edit->text()));
    } else if (auto* status = qobject_cast<QStatusBar*>(&widget)) {
        out << " text " << quote(str(status->currentMessage()));
    } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
        out << " text " << quote(str(label->text()));
    } else if (auto* list = qobject_cast<QListWidget*>(&widget)) {
        out << " items";
        for (int i = 0; i < list->count(); ++i) {
            out << ' ' << quote(str(list->item(i)->text()));
        }
        // The entry the user sees chosen: a current entry that is not selected (as the
        // focus leaves one) is not.
        const QListWidgetItem* current = list->currentItem();
        out << " selection "
            << (current != nullptr && current->isSelected() ? list->currentRow() : -1);
    } else if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
        out << " items";
        for (int i = 0; i < combo->count(); ++i) {
            out << ' ' << quote(str(combo->itemText(i)));
        }
        out << " selection " << combo->currentIndex();
    } else if (auto* slider = qobject_cast<QAbstractSlider*>(&widget)) {
        out << " value " << slider->value() << " range " << slider->minimum() << ' '
            << slider->maximum();
    }
    if (!widget.isEnabled()) {
        out << " disabled";
    }
    out << '\n';
}

}  // namespace

void addWindowCommands(ScriptRunner& runner, QWidget* mainWindow) {
    std::ostream& out = runner.out();

    runner.define("window", 1, 1, [&](const Arguments& a) {
        QWidget& w = window(a[0]);
        out << "window " << a[0] << ' ' << quote(str(w.windowTitle()))
            << (w.isVisible() ? " visible" : " hidden") << ' ' << w.width() << 'x' << w.height()
            << (w.isActiveWindow() ? " active" : "") << '\n';
        for (QWidget* child : w.findChildren<QWidget*>()) {
            if (!child->objectName().isEmpty() && !child->objectName().startsWith("qt_")) {
                printControl(out, *child);
            }
        }
    });
    runner.define("type", 2, 2, [&](const Arguments& a) {
        QWidget& w = control(a[0]);
        if (auto* edit = qobject_cast<QLineEdit*>(&w)) {
            edit->setText(QString::fromStdString(a[1]));
            emit edit->textEdited(edit->text());
            emit edit->editingFinished();
        } else if (auto* text = qobject_cast<QTextEdit*>(&w)) {
            text->setPlainText(QString::fromStdString(a[1]));
        } else {
            throw ScriptError(a[0] + " is not a text box");
        }
        out << "typed " << a[0] << ' ' << quote(a[1]) << '\n';
    });
    runner.define("click", 1, 1, [&](const Arguments& a) {
        auto* button = qobject_cast<QAbstractButton*>(&control(a[0]));
        if (button == nullptr) {
            throw ScriptError(a[0] + " is not a button");
        }
        out << "clicked " << a[0] << '\n';
        button->click();
    });
    runner.define("choose", 2, 2, [&](const Arguments& a) {
        QWidget& w = control(a[0]);
        const int index = ScriptRunner::integerArgument(a[1], "an index");
        if (auto* list = qobject_cast<QListWidget*>(&w)) {
            if (index < 0 || index >= list->count()) {
                throw ScriptError(a[0] + " has no entry " + a[1]);
            }
            out << "chose " << a[0] << ' ' << index << '\n';
            list->setCurrentRow(index);
            emit list->itemClicked(list->item(index));
        } else if (auto* combo = qobject_cast<QComboBox*>(&w)) {
            if (index < 0 || index >= combo->count()) {
                throw ScriptError(a[0] + " has no entry " + a[1]);
            }
            out << "chose " << a[0] << ' ' << index << '\n';
            combo->setCurrentIndex(index);
            emit combo->activated(index);
        } else {
            throw ScriptError(a[0] + " is not a list");
        }
    });
    runner.define("slide", 2, 2, [&](const Arguments& a) {
        auto* slider = qobject_cast<QAbstractSlider*>(&control(a[0]));
        if (slider == nullptr) {
            throw ScriptError(a[0] + " is not a slider");
        }
        const int value = ScriptRunner::integerArgument(a[1], "a slider position");
        if (value < slider->minimum() || value > slider->maximum()) {
            throw ScriptError(a[0] + " moves from " + std::to_string(slider->minimum()) + " to " +
                              std::to_string(slider->maximum()) + ", not " + a[1]);
        }
        out << "slid " << a[0] << ' ' << value << '\n';
        slider->setValue(value);
    });
    runner.define("screenshot", 1, 2, [&, mainWindow](const Arguments& a) {
        QWidget* target = a.size() == 2 ? &window(a[0]) : mainWindow;
        const std::string& path = a.back();
        if (!target->grab().save(QString::fromStdString(path), "PNG")) {
            throw ScriptError("screenshot: cannot write " + quote(path));
        }
        out << "screenshot " << quote(path) << '\n';
    });
    // `close` with no argument closes the active document; with one, a window.
    auto closeDocument = runner.command("close");
    runner.define("close", 0, 1, [&, closeDocument](const Arguments& a) {
        if (a.empty()) {
            closeDocument(a);
            return;
        }
        window(a[0]).close();
        out << "closed window " << a[0] << '\n';
    });
}

}  // namespace quenmoor::cadhost
