#include "quenmoortools/properties/set_options.h"

#include <QCloseEvent>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/com/com_error.h"
#include "quenmoortools/properties/options_workbook.h"
#include "quenmoortools/toolkit/spreadsheet_calls.h"
#include "quenmoortools/toolkit/tool_window.h"

namespace quenmoor::properties {

namespace {

using toolkit::pixels;
using toolkit::twips;

toolkit::SingleWindow<SetOptions> theWindow;
toolkit::SingleWindow<QMessageBox> savedNotice;

// MS Sans Serif and Times New Roman need not be installed here. The faces after them have
// narrower or equal metrics, so the captions still fit the form's boxes.
QFont formFont(QStringList families, QFont::StyleHint hint) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPointSize(12);
    font.setBold(true);
    return font;
}

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// Says where a Save wrote the lists; the editor itself closes with the Save.
void showSavedNotice(const std::string& file) {
    QMessageBox& notice = savedNotice.loaded([] {
        auto* box =
            new QMessageBox(QMessageBox::Information, "Set Options", QString(), QMessageBox::Ok);
        box->setObjectName("SavedNotice");
        box->setModal(false);
        return box;
    });
    notice.setText(qt("Saved to " + file));
    toolkit::keepOnTop(&notice);
    toolkit::bringUp(notice);
}

}  // namespace

SetOptions::SetOptions()
    : Label1(new QLabel("Custom Properties", this)),
      List1(new QListWidget(this)),
      List2(new QListWidget(this)),
      ModifyProperty(new QLineEdit(this)),
      Modify(new QPushButton("Modify", this)),
      AddText(new QLineEdit(this)),
      AddItem(new QPushButton("Add", this)),
      RemoveItem(new QPushButton("Remove", this)),
      Save(new QPushButton("Save ", this)),
      Cancel(new QPushButton("Cancel", this)),
      StatusLine(new QLabel(this)) {
    setObjectName("SetOptions");
    setWindowTitle("Set Options");
    setFixedSize(pixels(7095), pixels(5250));

    struct Placement {
        QWidget* control;
        const char* name;
        QRect geometry;
    };
    for (const Placement& p : {
             Placement{Label1, "Label1", twips(240, 0, 2415, 375)},
             Placement{List1, "List1", twips(240, 480, 1935, 2205)},
             Placement{List2, "List2", twips(3840, 480, 2775, 2010)},
             Placement{ModifyProperty, "ModifyProperty", twips(240, 2880, 1935, 375)},
             Placement{Modify, "Modify", twips(2280, 2880, 1095, 375)},
             Placement{AddText, "AddText", twips(3840, 2760, 2775, 375)},
             Placement{AddItem, "AddItem", twips(3840, 3240, 1095, 375)},
             Placement{RemoveItem, "RemoveItem", twips(5640, 3240, 1095, 375)},
             Placement{Save, "Save", twips(120, 4320, 1215, 495)},
             Placement{Cancel, "Cancel", twips(1440, 4320, 1215, 495)},
             // Below the choices' buttons and beside Save and Cancel, clear of every other
             // control of the form.
             Placement{StatusLine, "StatusLine", twips(2760, 3720, 4215, 1410)},
         }) {
        p.control->setObjectName(p.name);
        p.control->setGeometry(p.geometry);
    }

    Label1->setFont(formFont({"MS Sans Serif", "Arial", "Liberation Sans", "DejaVu Sans Condensed"},
                             QFont::SansSerif));
    const QFont buttons =
        formFont({"Times New Roman", "Liberation Serif", "DejaVu Serif Condensed"}, QFont::Serif);
    Save->setFont(buttons);
    Cancel->setFont(buttons);
    StatusLine->setWordWrap(true);
    StatusLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    StatusLine->setStyleSheet("color: #a00000;");
    for (QListWidget* list : {List1, List2}) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setSortingEnabled(false);
    }

    // The form's tab order: List1, List2, ModifyProperty, Modify, Save, AddText, AddItem,
    // RemoveItem, Cancel; the labels take no focus.
    QWidget* order[] = {List1,   List2,   ModifyProperty, Modify, Save,
                        AddText, AddItem, RemoveItem,     Cancel};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }
    StatusLine->setFocusPolicy(Qt::NoFocus);

    // Only a click chooses a property. The focus that comes with the window's activation
    // makes row 0 current without selecting it, and must leave the choices unread; a click
    // on the property already chosen reads its list again, since the workbook may have
    // changed or been closed under the window since.
    connect(List1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { List1_Click(List1->row(item)); });
    connect(AddItem, &QPushButton::clicked, this, [this] { AddItem_Click(); });
    connect(RemoveItem, &QPushButton::clicked, this, [this] { RemoveItem_Click(); });
    connect(Modify, &QPushButton::clicked, this, [this] { Modify_Click(); });
    connect(Save, &QPushButton::clicked, this, [this] { Save_Click(); });
    connect(Cancel, &QPushButton::clicked, this, [this] { Cancel_Click(); });
}

SetOptions::~SetOptions() {
    // Terminate: a window that goes while loaded leaves no workbook open behind it.
    if (loaded_) {
        try {
            spreadsheet_->Workbooks()->Close();
        } catch (const com::ComError&) {
        }
    }
}

void SetOptions::open(spreadsheet::Global& spreadsheet, const std::string& workbookPath) {
    if (!loaded_) {
        spreadsheet_ = com::ComPtr<spreadsheet::Global>(&spreadsheet);
        workbookPath_ = workbookPath;
        load();
    }
    toolkit::bringUp(*this);
}

void SetOptions::load() {
    toolkit::keepOnTop(this);
    loaded_ = true;
    setWindowTitle(qt("Set Options - " + workbookPath_));
    clearReport();
    // A failed load is tried once more, since a workbook left open by another tool can make
    // the first try fail; names listed by the failed try stay listed.
    try {
        loadNames();
    } catch (const com::ComError&) {
        try {
            loadNames();
        } catch (const com::ComError& error) {
            workbook_.reset();
            report("The options could not be loaded: " + error.description() +
                   ". Close this window and open it again from the Options button.");
        }
    }
}

void SetOptions::loadNames() {
    spreadsheet_->Workbooks()->Close();
    // Taken before the engine reads the file: a write in between shows as a change at Save.
    readStamp_ = files::stampOf(workbookPath_);
    workbook_ = spreadsheet_->Workbooks()->Open(workbookPath_);
    spreadsheet_->Worksheets(PropertiesSheet)->Activate();
    const auto cells = com::lateBound(*spreadsheet_);
    readList(cells, Row, workbookPath_ + ", sheet properties",
             [this](const com::Variant& name) { List1->addItem(qt(name.toText())); });
}

void SetOptions::unload() {
    // Unloading is never refused: a failing close of the workbooks only means there was
    // nothing left to close.
    try {
        spreadsheet_->Workbooks()->Close();
    } catch (const com::ComError&) {
    }
    forget();
}

void SetOptions::forget() {
    loaded_ = false;
    workbook_.reset();
    spreadsheet_.reset();
    selectedSheet_.clear();
    workbookPath_.clear();
    readStamp_ = {};
    setWindowTitle("Set Options");
    List1->clear();
    List2->clear();
    ModifyProperty->clear();
    AddText->clear();
    clearReport();
    hide();
}

void SetOptions::closeEvent(QCloseEvent* event) {
    if (loaded_) {
        unload();
    }
    event->accept();
}

spreadsheet::Workbook& SetOptions::workbook(const char* action) {
    if (!workbook_) {
        throw com::ComError(com::E_UNEXPECTED,
                            std::string(action) + ": the options workbook is not loaded");
    }
    return *workbook_;
}

com::ComPtr<com::IDispatch> SetOptions::listSheet(const char* action) {
    if (selectedSheet_.empty()) {
        throw com::ComError(com::E_UNEXPECTED,
                            std::string(action) + ": choose a property in the list first");
    }
    return workbook(action).Worksheets(selectedSheet_).as<com::IDispatch>(selectedSheet_);
}

void SetOptions::List1_Click(int position) {
    clearReport();
    ModifyProperty->setText(List1->item(position)->text());
    Row.set(static_cast<std::int16_t>(position));
    Row.increment("Set Options: property row");
    selectedSheet_ = listSheetName(Row.value());
    List2->clear();
    try {
        auto sheet = workbook("Show the choices").Worksheets(selectedSheet_);
        sheet->Activate();
        const auto entries = readTextList(sheet.as<com::IDispatch>(selectedSheet_), Row,
                                          workbookPath_ + ", sheet " + selectedSheet_);
        for (const std::string& entry : entries) {
            List2->addItem(qt(entry));
        }
    } catch (const com::ComError& error) {
        List2->clear();
        report("No choices to show. " + error.description());
        return;
    }
    List2->setFocus();
    List2->setCurrentRow(0);
}

void SetOptions::writeList2Back(const char* action) {
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(List2->count()));
    for (int i = 0; i < List2->count(); ++i) {
        entries.push_back(List2->item(i)->text().toStdString());
    }
    writeList(listSheet(action), entries, Row, workbookPath_ + ", sheet " + selectedSheet_);
}

void SetOptions::AddItem_Click() {
    clearReport();
    if (AddText->text().isEmpty()) {
        return;
    }
    try {
        listSheet("Add");
        if (List2->count() >= MaxListEntries) {
            throw com::ComError(com::CTL_E_OVERFLOW,
                                "Add: the list is full; a list holds at most " +
                                    std::to_string(MaxListEntries) + " choices");
        }
        List2->addItem(AddText->text());
        try {
            writeList2Back("Add");
        } catch (...) {
            delete List2->takeItem(List2->count() - 1);
            throw;
        }
    } catch (const com::ComError& error) {
        report("Not added. " + error.description());
        return;
    }
    AddText->clear();
}

void SetOptions::RemoveItem_Click() {
    clearReport();
    const int position = List2->currentRow();
    if (selectedSheet_.empty()) {
        report("Remove: choose a property in the list first");
        return;
    }
    if (position < 0 || !List2->item(position)->isSelected()) {
        return;
    }
    QListWidgetItem* removed = List2->takeItem(position);
    try {
        writeList2Back("Remove");
    } catch (const com::ComError& error) {
        List2->insertItem(position, removed);
        List2->setCurrentRow(position);
        report("Not removed. " + error.description());
        return;
    }
    delete removed;
    if (List2->count() >= 2) {
        List2->setCurrentRow(List2->count() - 1);
    } else {
        List2->setCurrentRow(-1);
        List2->clearSelection();
    }
}

void SetOptions::Modify_Click() {
    clearReport();
    QListWidgetItem* item = List1->currentItem();
    if (item == nullptr || !item->isSelected()) {
        report("Modify: choose a property in the list first");
        return;
    }
    const QString before = item->text();
    item->setText(ModifyProperty->text());
    try {
        Row.set(static_cast<std::int16_t>(List1->row(item)));
        Row.increment("Set Options: property row");
        auto& options = workbook("Modify");
        options.Worksheets(PropertiesSheet)->Activate();
        renameProperty(options.Worksheets("Properties").as<com::IDispatch>("Properties"),
                       Row.value(), ModifyProperty->text().toStdString());
    } catch (const com::ComError& error) {
        item->setText(before);
        report("Not renamed. " + error.description());
    }
}

void SetOptions::Save_Click() {
    clearReport();
    std::string savedTo;
    try {
        auto& options = workbook("Save");
        const files::FileStamp now = files::stampOf(workbookPath_);
        if (now != readStamp_) {
            report("Not saved. " + workbookPath_ +
                   (now.exists ? " was changed by someone else" : " was removed") +
                   " since this window read it; your changes are still here. Close the window "
                   "and open it again to see the file as it is now.");
            return;
        }
        std::filesystem::path target;
        try {
            target = files::saveTarget(workbookPath_);
        } catch (const std::system_error& error) {
            throw com::fileError(error);
        }
        if (target == std::filesystem::path(workbookPath_)) {
            options.Save();
        } else {
            options.SaveAs(target.string());
        }
        savedTo = target.string();
    } catch (const com::ComError& error) {
        report("Not saved. " + error.description());
        return;
    }
    showSavedNotice(savedTo);
    // The file is written; a workbook that will not close stays loaded and the window
    // open, saying so, so that the user knows the next opening finds it still open.
    try {
        spreadsheet_->Workbooks()->Close();
    } catch (const com::ComError& error) {
        report("Saved, but the workbook is still open. " + error.description());
        return;
    }
    forget();
}

void SetOptions::Cancel_Click() {
    // A workbook already closed under the window has nothing left to discard.
    try {
        if (workbook_) {
            workbook_->Close(false);
        }
    } catch (const com::ComError&) {
    }
    unload();
}

void SetOptions::report(const std::string& message) {
    StatusLine->setText(qt(message));
}

void SetOptions::clearReport() {
    StatusLine->clear();
}

SetOptions& showOptionListEditor(spreadsheet::Global& spreadsheet,
                                 const std::string& workbookPath) {
    toolkit::requireWindowSystem("Options", "the editor");
    SetOptions& window = theWindow.loaded([] { return new SetOptions(); });
    window.open(spreadsheet, workbookPath);
    return window;
}

}  // namespace quenmoor::properties
