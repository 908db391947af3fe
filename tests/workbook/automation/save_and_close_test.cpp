#include <gmock/gmock.h>

#include "platform/com/activation.h"
#include "tests/workbook/automation/spreadsheet_fixture.h"

namespace quenmoor::workbook::testsupport {
namespace {

using ::testing::HasSubstr;
namespace fs = std::filesystem;

using WorkbookSaving = SpreadsheetTest;

TEST_F(WorkbookSaving, PutValuesAreSavedAndReadBackWithTheirTypes) {
    const fs::path options = copyDefault("Options.xls");
    com::call(com::call(late_, "Workbooks").toObject(), "Open", options.string());
    ComPtr<com::IDispatch> list = com::call(late_, "Worksheets", "list8").toObject();
    const auto put = [&](std::int32_t row, std::int32_t column, Variant value) {
        com::putProperty(com::call(list, "Cells", row, column).toObject(), "Value", value);
    };
    put(5, 1, "Flange");
    put(1, 2, 7850.0);
    put(2, 2, std::int32_t{12});
    put(3, 2, Variant::boolean(true));
    put(1, 1, "");         // clears the cell
    put(2, 1, Variant());  // clears the cell
    com::call(com::call(late_, "ActiveWorkbook").toObject(), "Save");
    global_->Workbooks()->Close();

    global_->Workbooks()->Open(options.string());
    ComPtr<spreadsheet::Worksheet> reread = global_->Worksheets("list8");
    EXPECT_EQ(reread->Cells(5, 1)->Value(), Variant("Flange"));
    EXPECT_EQ(reread->Cells(1, 2)->Value().type(), Variant::Type::Double);
    EXPECT_EQ(reread->Cells(2, 2)->Value(), Variant(12.0));
    EXPECT_EQ(reread->Cells(3, 2)->Value().type(), Variant::Type::Bool);
    EXPECT_TRUE(reread->Cells(1, 1)->Value().isEmpty());
    EXPECT_TRUE(reread->Cells(2, 1)->Value().isEmpty());
    EXPECT_EQ(reread->Cells(3, 1)->Value(), Variant("Shaft"));
}

TEST_F(WorkbookSaving, ClosingWithoutSavingLeavesTheFileAsItWas) {
    const fs::path options = copyDefault("Options.xls");
    const std::string before = fileBytes(options);
    global_->Workbooks()->Open(options.string());
    global_->Worksheets("properties")->Cells(1, 1)->SetValue("Changed");
    com::call(com::call(late_, "ActiveWorkbook").toObject(), "Close", Variant::boolean(false));
    EXPECT_EQ(global_->Workbooks()->Count(), 0);

    global_->Workbooks()->Open(options.string());
    global_->Worksheets("properties")->Cells(1, 1)->SetValue("Changed again");
    global_->Workbooks()->Close();
    EXPECT_EQ(fileBytes(options), before);
    global_->Workbooks()->Open(options.string());
    EXPECT_EQ(global_->Worksheets("properties")->Cells(1, 1)->Value(), Variant("Material"));
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

TEST_F(WorkbookSaving, ObjectsOfAClosedWorkbookFailNamingIt) {
    global_->Workbooks()->Open(copyDefault("Options.xls").string());
    ComPtr<spreadsheet::Workbook> book = global_->ActiveWorkbook();
    ComPtr<spreadsheet::Worksheet> sheet = book->Worksheets("list4");
    ComPtr<spreadsheet::Range> cell = sheet->Cells(3, 1);
    ComPtr<com::IDispatch> lateCell = cell.as<com::IDispatch>("cell");
    global_->Workbooks()->Close();

    const struct {
        const char* what;
        std::function<void()> body;
        const char* names;
    } cases[] = {
        {"Range.Value", [&] { cell->Value(); }, "sheet \"list4\", cell (3, 1)"},
        {"Value by name", [&] { com::call(lateCell, "Value"); }, "sheet \"list4\", cell (3, 1)"},
        {"Range.Value put", [&] { cell->SetValue("x"); }, "cell (3, 1)"},
        {"Worksheet.Cells", [&] { sheet->Cells(1, 1); }, "sheet \"list4\""},
        {"Worksheet.Activate", [&] { sheet->Activate(); }, "sheet \"list4\""},
        {"Workbook.Worksheets", [&] { book->Worksheets("list1"); }, "list1"},
        {"Workbook.Save", [&] { book->Save(); }, "Save"},
        {"Workbook.Close", [&] { book->Close(false); }, "Close"},
    };
    for (const auto& c : cases) {
        const com::ComError error = comErrorOf(c.body);
        EXPECT_THAT(error.description(), HasSubstr("Options.xls has been closed")) << c.what;
        EXPECT_THAT(error.description(), HasSubstr(c.names)) << c.what;
    }
}

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
