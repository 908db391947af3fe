// The spreadsheet application as the add-in reaches it, typed and by name, on real files:
// opening and reading them, what it refuses, and saving and closing.

#include <gmock/gmock.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "contracts/spreadsheet/spreadsheet.h"
#include "platform/com/activation.h"
#include "tests/support/com_error_of.h"
#include "tests/support/named_rows.h"
#include "tests/support/register_library.h"
#include "tests/support/scratch_folder.h"
#include "workbook/xls/xls_file.h"

namespace quenmoor::workbook {
namespace {

using com::ComPtr;
using com::Variant;
using quenmoor::testsupport::comErrorOf;
using quenmoor::testsupport::fileBytes;
using quenmoor::testsupport::ScratchFolder;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

// Registers workbook.so in the test process's registry through its own DllRegisterServer,
// then creates the global object by class id through the loader, as the add-in does.
// Every workbook left open is closed after each test, since all global objects of the
// process share the one application.
class SpreadsheetTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { quenmoor::testsupport::registerLibrary(WORKBOOK_LIBRARY); }

    void SetUp() override {
        global_ = com::createInstance<spreadsheet::Global>(spreadsheet::SpreadsheetGlobalClass);
        late_ = global_.as<com::IDispatch>("global object");
    }

    void TearDown() override {
        if (global_) {
            global_->Workbooks()->Close();
        }
    }

    // A copy of a default workbook in the scratch folder, so tests may change it.
    std::filesystem::path copyDefault(const std::string& name) const {
        const auto copy = folder_ / name;
        std::filesystem::copy_file(std::filesystem::path(DEFAULT_WORKBOOKS) / name, copy);
        return copy;
    }

    // One sheet holding `rows` in column A from row 1.
    std::filesystem::path writeList(const std::string& file, const std::string& sheet,
                                    const std::vector<CellValue>& rows) const {
        WorkbookData data;
        Sheet& list = data.addSheet(sheet);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            list.set(static_cast<int>(i) + 1, 1, rows[i]);
        }
        writeXls(data, folder_ / file);
        return folder_ / file;
    }

    // Cell (row, column) of the active sheet, read by name through late binding.
    Variant cellByName(std::int32_t row, std::int32_t column) const {
        return com::call(com::call(late_, "Cells", row, column).toObject(), "Value");
    }

    ComPtr<spreadsheet::Global> global_;
    ComPtr<com::IDispatch> late_;
    ScratchFolder folder_;
};

using WorkbookFileNames = SpreadsheetTest;

TEST_F(WorkbookFileNames, FindsTheFileWithoutRegardToCasePreferringTheExactName) {
    fs::create_directory(folder_ / "Lists");
    writeList("Lists/Options.xls", "list1", {std::string("upper")});
    writeList("Lists/options.xls", "list1", {std::string("lower")});
    writeList("Lists/Material.xls", "list1", {std::string("only")});
    const struct {
        std::string requested;
        std::string name;
        std::string firstEntry;
    } cases[] = {
        {"Lists/Options.xls", "Options.xls", "upper"},
        {"Lists/options.xls", "options.xls", "lower"},
        // No exact match: the first in byte order, so the choice is stable.
        {"lists/OPTIONS.XLS", "Options.xls", "upper"},
        {"LISTS/material.XLS", "Material.xls", "only"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.requested);
        ComPtr<spreadsheet::Workbook> book =
            global_->Workbooks()->Open((folder_.path() / c.requested).string());
        EXPECT_EQ(book->Name(), c.name);
        EXPECT_EQ(book->FullName(), (folder_.path() / "Lists" / c.name).string());
        EXPECT_EQ(global_->Worksheets("list1")->Cells(1, 1)->Value(), Variant(c.firstEntry));
        global_->Workbooks()->Close();
    }
}

TEST_F(WorkbookFileNames, OpeningAnOpenWorkbookAgainActivatesIt) {
    const fs::path options = copyDefault("Options.xls");
    const fs::path material = copyDefault("material.xls");
    ComPtr<spreadsheet::Workbook> first = global_->Workbooks()->Open(options.string());
    global_->Workbooks()->Open(material.string());
    global_->Workbooks()->Open((folder_.path() / "OPTIONS.xls").string());
    EXPECT_EQ(global_->Workbooks()->Count(), 2);
    EXPECT_EQ(global_->ActiveWorkbook()->Name(), "Options.xls");
}

using WorkbookReading = SpreadsheetTest;

TEST_F(WorkbookReading, FindsSheetsWithoutRegardToCase) {
    global_->Workbooks()->Open(copyDefault("Options.xls").string());
    for (const char* name : {"properties", "Properties", "PROPERTIES"}) {
        ComPtr<spreadsheet::Worksheet> sheet = global_->Worksheets(name);
        EXPECT_EQ(sheet->Name(), "properties");
        sheet->Activate();
        EXPECT_EQ(cellByName(1, 1), Variant("Material")) << name;
    }
}

TEST_F(WorkbookReading, TheDefaultMaterialListHasADensityOnEveryRowWithoutAGap) {
    const fs::path material = copyDefault("material.xls");
    global_->Workbooks()->Open(material.string());
    global_->Worksheets("density")->Activate();
    std::int32_t rows = 0;
    while (!(cellByName(rows + 1, 1) == Variant(""))) {
        ++rows;
        SCOPED_TRACE(rows);
        EXPECT_EQ(cellByName(rows, 1).type(), Variant::Type::Text);
        EXPECT_EQ(cellByName(rows, 2).type(), Variant::Type::Text);
        const Variant density = cellByName(rows, 3);
        ASSERT_EQ(density.type(), Variant::Type::Double);
        EXPECT_GT(density.toDouble(), 800.0);
        EXPECT_LT(density.toDouble(), 20000.0);
    }
    EXPECT_GE(rows, 20);
    // Nothing below the first empty row: the reader would never reach it.
    EXPECT_EQ(readXls(material).sheets.at(0).usedRange()->lastRow, rows);
}

using WorkbookBadInput = SpreadsheetTest;

TEST_F(WorkbookBadInput, AFileThatCannotBeOpenedIsNamedAndNothingChanges) {
    const fs::path options = copyDefault("Options.xls");
    const std::string bytes = fileBytes(options);
    std::ofstream(folder_ / "notes.xls") << "Material;Finish\n";
    fs::create_directory(folder_ / "folder.xls");
    global_->Workbooks()->Open(options.string());

    const struct {
        std::string file;
        com::HRESULT code;
    } cases[] = {
        {"missing.xls", com::E_FILE_NOT_FOUND},
        {"notes.xls", com::E_FAIL},
        {"folder.xls", com::E_FAIL},
    };
    for (const auto& c : cases) {
        const std::string path = (folder_ / c.file).string();
        const com::ComError error =
            comErrorOf([&] { com::call(com::call(late_, "Workbooks").toObject(), "Open", path); });
        EXPECT_EQ(error.code(), c.code) << c.file;
        EXPECT_THAT(error.description(), HasSubstr(path)) << c.file;
        EXPECT_EQ(global_->Workbooks()->Count(), 1) << c.file;
        EXPECT_EQ(global_->ActiveWorkbook()->Name(), "Options.xls") << c.file;
    }
    EXPECT_EQ(fileBytes(options), bytes);
    EXPECT_EQ(fileBytes(folder_ / "notes.xls"), "Material;Finish\n");
}

TEST_F(WorkbookBadInput, AMissingSheetIsNamedWithItsFile) {
    const fs::path options = copyDefault("Options.xls");
    const std::string expected = options.string() + ": no sheet named list10";
    EXPECT_EQ(comErrorOf([&] { global_->Worksheets("list10"); }).description(),
              "Worksheets(\"list10\"): no workbook is open");
    global_->Workbooks()->Open(options.string());
    EXPECT_EQ(comErrorOf([&] { global_->Worksheets("list10"); }).description(), expected);
    const com::ComError byName = comErrorOf([&] { com::call(late_, "Worksheets", "LIST10"); });
    EXPECT_EQ(byName.code(), com::DISP_E_BADINDEX);
    EXPECT_EQ(byName.description(), options.string() + ": no sheet named LIST10");
}

TEST_F(WorkbookBadInput, ACellOutsideTheSheetIsNamedWithItsSheet) {
    global_->Workbooks()->Open(copyDefault("Options.xls").string());
    ComPtr<com::IDispatch> sheet = com::call(late_, "Worksheets", "list4").toObject();
    com::call(sheet, "Activate");
    const std::pair<std::int32_t, std::int32_t> outside[] = {
        {0, 1}, {1, 0}, {65537, 1}, {1, 257}, {-1, -1}};
    for (const auto& [row, column] : outside) {
        const std::string expected = "Options.xls, sheet \"list4\": cell (" + std::to_string(row) +
                                     ", " + std::to_string(column) + ") is outside the sheet";
        EXPECT_THAT(comErrorOf([&] { com::call(sheet, "Cells", row, column); }).description(),
                    HasSubstr(expected));
        EXPECT_THAT(comErrorOf([&] { global_->Cells(row, column); }).description(),
                    HasSubstr(expected));
    }
    EXPECT_TRUE(global_->Cells(65536, 256)->Value().isEmpty());
}

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

TEST_F(WorkbookSaving, AFailedSaveLeavesTheFileAsItWas) {
    const fs::path options = copyDefault("Options.xls");
    const std::string before = fileBytes(options);
    global_->Workbooks()->Open(options.string());
    ComPtr<spreadsheet::Range> cell = global_->Worksheets("list1")->Cells(2, 1);
    cell->SetValue(std::string(40000, 'x'));
    const com::ComError error = comErrorOf([&] { global_->ActiveWorkbook()->Save(); });
    EXPECT_THAT(error.description(), HasSubstr(options.string()));
    EXPECT_THAT(error.description(), HasSubstr("A2"));
    EXPECT_EQ(fileBytes(options), before);
    EXPECT_EQ(folder_.entries(), std::vector<std::string>{"Options.xls"});

    // Saving on close fails the same way and keeps the workbook open.
    EXPECT_THROW(global_->ActiveWorkbook()->Close(true), com::ComError);
    EXPECT_EQ(global_->Workbooks()->Count(), 1);
    const com::ComError mismatch = comErrorOf([&] { cell->SetValue(Variant(late_)); });
    EXPECT_EQ(mismatch.code(), com::DISP_E_TYPEMISMATCH);
    cell->SetValue("Steel S235JR");
    global_->ActiveWorkbook()->Close(true);
    EXPECT_NE(fileBytes(options), before);
    EXPECT_EQ(folder_.entries(), std::vector<std::string>{"Options.xls"});
}

}  // namespace
}  // namespace quenmoor::workbook
