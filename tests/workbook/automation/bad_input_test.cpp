#include <gmock/gmock.h>

#include <fstream>

#include "tests/workbook/automation/spreadsheet_fixture.h"

namespace quenmoor::workbook::testsupport {
namespace {

using ::testing::HasSubstr;
namespace fs = std::filesystem;

using WorkbookBadInput = SpreadsheetTest;

TEST_F(WorkbookBadInput, AFileThatCannotBeOpenedIsNamedAndNothingChanges) {
    const fs::path options = copyDefault("Options.xls");
    const std::string bytes = fileBytes(options);
    std::ofstream(folder_ / "notes.xls") << "Material;Finish\n";
    std::ofstream(folder_ / "truncated.xls", std::ios::binary) << bytes.substr(0, 1536);
    fs::create_directory(folder_ / "folder.xls");
    global_->Workbooks()->Open(options.string());

    const struct {
        std::string file;
        com::HRESULT code;
    } cases[] = {
        {"missing.xls", com::E_FILE_NOT_FOUND},
        {"notes.xls", com::E_FAIL},
        {"truncated.xls", com::E_FAIL},
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

TEST_F(WorkbookBadInput, AFailedSaveLeavesTheFileAsItWas) {
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
}

}  // namespace
}  // namespace quenmoor::workbook::testsupport
