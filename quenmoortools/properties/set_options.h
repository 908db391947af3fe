#pragma once

#include <QWidget>
#include <string>

#include "contracts/spreadsheet/spreadsheet.h"
#include "platform/com/com_ptr.h"
#include "platform/com/variant.h"
#include "platform/files/workbook_places.h"
#include "quenmoortools/toolkit/int16_counter.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quenmoor::properties {

// "Set Options": the property names of the options workbook on the left, the choices of
// the property clicked on the right. Every change goes into the workbook's cells at once;
// only Save writes the file, Cancel discards the changes. The window is one object for as
// long as the library is loaded; unloading it hides it and forgets what it showed, and the
// next opening loads the workbook afresh.
//
// Where an action cannot go on (no property chosen, a missing list sheet, a load that fails twice,
// the workbook closed under the window), the status line says what went wrong, the window stays as
// it was and the file untouched.
//
// The title bar names the file the window works on. Save writes it back where it was read
// when that folder can be written, otherwise into the user's own folder (the first Save
// there copies the whole workbook), and says where. A file that someone else wrote or
// removed since the load is not written over: Save refuses, naming it, and the changes
// stay in the window.
class SetOptions : public QWidget {
    Q_OBJECT

public:
    SetOptions();
    ~SetOptions() override;

    // Makes the window visible, loading it first when it is not loaded. An opening while
    // it is loaded changes nothing in it.
    void open(spreadsheet::Global& spreadsheet, const std::string& workbookPath);
    bool isLoaded() const { return loaded_; }
    // The file the window works on; empty when it is not loaded.
    const std::string& workbookPath() const { return workbookPath_; }
    // The list sheet of the property last clicked; empty until the first click.
    const std::string& selectedListSheet() const { return selectedSheet_; }

    QLabel* Label1;
    QListWidget* List1;
    QListWidget* List2;
    QLineEdit* ModifyProperty;
    QPushButton* Modify;
    QLineEdit* AddText;
    QPushButton* AddItem;
    QPushButton* RemoveItem;
    QPushButton* Save;
    QPushButton* Cancel;
    QLabel* StatusLine;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void load();
    void loadNames();
    // Closes the workbooks, then forgets them and what the window showed, and hides it.
    void unload();
    void forget();
    void List1_Click(int position);
    void AddItem_Click();
    void RemoveItem_Click();
    void Modify_Click();
    void Save_Click();
    void Cancel_Click();

    // The workbook opened by the load, or a ComError when it has been closed since.
    spreadsheet::Workbook& workbook(const char* action);
    com::ComPtr<com::IDispatch> listSheet(const char* action);
    void writeList2Back(const char* action);
    void report(const std::string& message);
    void clearReport();

    com::ComPtr<spreadsheet::Global> spreadsheet_;
    com::ComPtr<spreadsheet::Workbook> workbook_;
    std::string workbookPath_;
    files::FileStamp readStamp_;  // the file as the load found it
    std::string selectedSheet_;
    toolkit::Int16Counter Row;
    bool loaded_ = false;
};

// Button 2 ("Options") of the custom-properties page: shows the one SetOptions window,
// creating it on first use. Throws ComError when the host runs without a window system.
SetOptions& showOptionListEditor(spreadsheet::Global& spreadsheet, const std::string& workbookPath);

}  // namespace quenmoor::properties
