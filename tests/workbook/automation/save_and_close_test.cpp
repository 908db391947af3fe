#include <gmock/gmock.h>

#include "platform/com/activation.h"
#include "tests/support/named_rows.h"
#include "tests/workbook/automation/spreadsheet_fixture.h"

namespace quenmoor::workbook::testsupport {
namespace {

using ::testing::HasSubstr;
namespace fs = std::filesystem;

using WorkbookSaving = SpreadsheetTest;

// Each value put by name is saved and read back, typed and by name, with its type; an empty
// value or empty text clears the cell, and an empty cell equals empty text and 0.
struct Stored {
    const char* name;
    Variant put;
    Variant::Type type;
    std::string text;
};

class SavedValueTest : public SpreadsheetTest, public ::testing::WithParamInterface<Stored> {};

TEST_P(SavedValueTest, IsReadBackWithItsType) {
    const fs::path options = copyDefault("Options.xls");
    com::call(com::call(late_, "Workbooks").toObject(), "Open", options.string());
    ComPtr<com::IDispatch> list = com::call(late_, "Worksheets", "list8").toObject();
    com::putProperty(com::call(list, "Cells", 1, 1).toObject(), "Value", GetParam().put);
    com::call(com::call(late_, "ActiveWorkbook").toObject(), "Save");
    global_->Workbooks()->Close();

    global_->Workbooks()->Open(options.string());
    global_->Worksheets("list8")->Activate();
    const Variant typed = global_->Cells(1, 1)->Value();
    EXPECT_EQ(typed.type(), GetParam().type);
    EXPECT_EQ(typed.toText(), GetParam().text);
    EXPECT_EQ(cellByName(1, 1).type(), GetParam().type);
    if (GetParam().type == Variant::Type::Empty) {
        EXPECT_EQ(cellByName(1, 1), Variant(""));
        EXPECT_EQ(cellByName(1, 1).toDouble(), 0.0);
    }
    EXPECT_EQ(cellByName(3, 1), Variant("Shaft"));  // the rest of the list is kept
}

INSTANTIATE_TEST_SUITE_P(
    Values, SavedValueTest,
    ::testing::Values(Stored{"Text", Variant("Flange"), Variant::Type::Text, "Flange"},
                      Stored{"Double", Variant(7850.0), Variant::Type::Double, "7850"},
                      Stored{"Fraction", Variant(2.5), Variant::Type::Double, "2.5"},
                      Stored{"Integer", Variant(std::int32_t{12}), Variant::Type::Double, "12"},
                      Stored{"True", Variant::boolean(true), Variant::Type::Bool, "True"},
                      Stored{"False", Variant::boolean(false), Variant::Type::Bool, "False"},
                      Stored{"EmptyText", Variant(""), Variant::Type::Empty, ""},
                      Stored{"Empty", Variant(), Variant::Type::Empty, ""}),
    quenmoor::testsupport::RowName());

// Values share the workbook's text rather than copying it: they must outlive the cell, the
// workbook and the global object, and keep the library their text lives in loaded.
TEST_F(WorkbookSaving, AValueReadKeepsItsTextAfterTheCellAndTheWorkbookAreGone) {
    global_->Workbooks()->Open(copyDefault("Options.xls").string());
    global_->Worksheets("properties")->Activate();
    const Variant read = cellByName(1, 1);
    global_->Worksheets("properties")->Cells(1, 1)->SetValue("Changed");
    const Variant set = cellByName(1, 1);
    global_->Worksheets("properties")->Cells(1, 1)->SetValue("Changed again");
    global_->Workbooks()->Close();
    global_.reset();
    late_.reset();
    com::CoFreeUnusedLibraries();
    EXPECT_EQ(com::loadedLibraryCount(), 1U);
    EXPECT_EQ(read, Variant("Material"));
    EXPECT_EQ(set, Variant("Changed"));
}

TEST_F(WorkbookSaving, GlobalObjectsShareTheActiveWorkbookAndSheet) {
    const fs::path options = copyDefault("Options.xls");
    const fs::path material = copyDefault("material.xls");
    ComPtr<spreadsheet::Global> other =
        com::createInstance<spreadsheet::Global>(spreadsheet::SpreadsheetGlobalClass);
    ComPtr<spreadsheet::Workbook> optionsBook = global_->Workbooks()->Open(options.string());
    EXPECT_EQ(other->ActiveSheet()->Name(), "properties");
    other->Workbooks()->Open(material.string());
    EXPECT_EQ(global_->ActiveWorkbook()->Name(), "material.xls");
    EXPECT_EQ(global_->Cells(1, 3)->Value(), Variant(7850.0));

    // Activating a sheet makes its workbook active; closing the active workbook makes the
    // one active before it active again.
    optionsBook->Worksheets("list2")->Activate();
    EXPECT_EQ(other->ActiveWorkbook()->Name(), "Options.xls");
    EXPECT_EQ(other->Cells(1, 1)->Value(), Variant("None"));
    optionsBook->Close(false);
    EXPECT_EQ(global_->ActiveWorkbook()->Name(), "material.xls");
    global_->Workbooks()->Close();
    EXPECT_EQ(other->Workbooks()->Count(), 0);
    EXPECT_FALSE(other->ActiveWorkbook());
    EXPECT_FALSE(other->ActiveSheet());
}

// The handles an add-in may keep: a workbook, a sheet and a cell of it, typed and late.
struct Handles {
    ComPtr<spreadsheet::Workbook> book;
    ComPtr<spreadsheet::Worksheet> sheet;
    ComPtr<spreadsheet::Range> cell;
    ComPtr<com::IDispatch> lateCell;
};

struct ClosedCall {
    const char* name;
    void (*call)(const Handles&);
    const char* names;
};

class ClosedWorkbookTest : public SpreadsheetTest,
                           public ::testing::WithParamInterface<ClosedCall> {};

TEST_P(ClosedWorkbookTest, ACallOnItsObjectsFailsNamingIt) {
    global_->Workbooks()->Open(copyDefault("Options.xls").string());
    Handles handles;
    handles.book = global_->ActiveWorkbook();
    handles.sheet = handles.book->Worksheets("list4");
    handles.cell = handles.sheet->Cells(3, 1);
    handles.lateCell = handles.cell.as<com::IDispatch>("cell");
    global_->Workbooks()->Close();

    const com::ComError error = comErrorOf([&] { GetParam().call(handles); });
    EXPECT_THAT(error.description(), HasSubstr("Options.xls has been closed"));
    EXPECT_THAT(error.description(), HasSubstr(GetParam().names));
}

INSTANTIATE_TEST_SUITE_P(
    Calls, ClosedWorkbookTest,
    ::testing::Values(
        ClosedCall{"RangeValue", [](const Handles& h) { h.cell->Value(); },
                   "sheet \"list4\", cell (3, 1)"},
        ClosedCall{"ValueByName", [](const Handles& h) { com::call(h.lateCell, "Value"); },
                   "sheet \"list4\", cell (3, 1)"},
        ClosedCall{"RangeValuePut", [](const Handles& h) { h.cell->SetValue("x"); }, "cell (3, 1)"},
        ClosedCall{"WorksheetCells", [](const Handles& h) { h.sheet->Cells(1, 1); },
                   "sheet \"list4\""},
        ClosedCall{"WorksheetActivate", [](const Handles& h) { h.sheet->Activate(); },
                   "sheet \"list4\""},
        ClosedCall{"WorkbookWorksheets", [](const Handles& h) { h.book->Worksheets("list1"); },
                   "list1"},
        ClosedCall{"WorkbookSave", [](const Handles& h) { h.book->Save(); }, "Save"},
        ClosedCall{"WorkbookClose", [](const Handles& h) { h.book->Close(false); }, "Close"}),
    quenmoor::testsupport::RowName());

TEST_F(WorkbookSaving, TheLibraryReloadsAfterItWasUnloaded) {
    global_->Workbooks()->Open(copyDefault("Options.xls").string());
    global_->Workbooks()->Close();
    global_.reset();
    late_.reset();
    com::CoFreeUnusedLibraries();
    EXPECT_EQ(com::loadedLibraryCount(), 0U);

    SetUp();
    global_->Workbooks()->Open(copyDefault("material.xls").string());
    EXPECT_EQ(global_->Worksheets("Density")->Cells(1, 3)->Value(), Variant(7850.0));
}

}  // namespace
}  // namespace quenmoor::workbook::testsupport
