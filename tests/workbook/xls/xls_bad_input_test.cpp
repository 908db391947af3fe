#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/com/com_error.h"
#include "tests/support/com_error_of.h"
#include "tests/support/named_rows.h"
#include "tests/support/scratch_folder.h"
#include "workbook/xls/xls_file.h"
#include "xls_test_support.h"

namespace quenmoor::workbook {
namespace {

using quenmoor::testsupport::comErrorOf;
using quenmoor::testsupport::ScratchFolder;
using testsupport::Bytes;
using testsupport::RawSheet;

WorkbookData sampleWorkbook(int rows) {
    WorkbookData workbook;
    Sheet& sheet = workbook.addSheet("list1");
    for (int row = 1; row <= rows; ++row) {
        sheet.set(row, 1, "entry " + std::to_string(row));
        sheet.set(row, 2, row * 0.5);
    }
    return workbook;
}

std::vector<std::uint8_t> oneNumberSheetStream(const std::string& sheetName) {
    return testsupport::workbookStream(
        {}, {RawSheet{sheetName, {{0x0203, Bytes{}.cell(0, 0).f64(1).data}}}});
}

TEST(XlsBadInput, NamesTheFileAndWhatFailed) {
    ScratchFolder folder;
    { std::ofstream(folder / "text.xls") << "name;value\nM12;1.5\n"; }
    writeXls(sampleWorkbook(3000), folder / "whole.xls");
    const std::string whole = quenmoor::testsupport::fileBytes(folder / "whole.xls");
    {
        std::ofstream(folder / "truncated.xls", std::ios::binary)
            << whole.substr(0, whole.size() / 2);
    }
    testsupport::writeCompoundFile(folder / "nobook.xls", "Other", oneNumberSheetStream("x"));

    // The first cell record of the sheet announces more bytes than the stream holds.
    auto runsPast = oneNumberSheetStream("list3");
    runsPast.resize(runsPast.size() - 4);  // drops the sheet's EOF
    runsPast[runsPast.size() - 18 + 2] = 0x40;
    testsupport::writeCompoundFile(folder / "runspast.xls", "Workbook", runsPast);

    auto badIndex = testsupport::workbookStream(
        {{0x00FC, Bytes{}.u32(1).u32(1).u16(1).u8(0).raw("a").data}},
        {RawSheet{"list2", {{0x00FD, Bytes{}.cell(0, 0).u32(5).data}}}});
    testsupport::writeCompoundFile(folder / "badindex.xls", "Workbook", badIndex);
    auto biff5 = oneNumberSheetStream("s");
    biff5[4] = 0x00;
    biff5[5] = 0x05;
    testsupport::writeCompoundFile(folder / "biff5.xls", "Workbook", biff5);

    struct Case {
        const char* file;
        com::HRESULT code;
        const char* message;
    };
    const Case cases[] = {
        {"missing.xls", com::E_FILE_NOT_FOUND, "missing.xls: no such file"},
        {"text.xls", com::E_FAIL, "text.xls: not an OLE2 compound file"},
        {"truncated.xls", com::E_FAIL, "truncated.xls: "},
        {"nobook.xls", com::E_FAIL, "nobook.xls: no Workbook stream"},
        {"runspast.xls", com::E_FAIL, "runspast.xls: truncated record at offset"},
        {"runspast.xls", com::E_FAIL, "in sheet \"list3\""},
        {"badindex.xls", com::E_FAIL, "refers to string 5 of a table of 1 in sheet \"list2\""},
        {"biff5.xls", com::E_FAIL, "biff5.xls: not an Excel 97-2003 (BIFF8) workbook"},
    };
    // What libgsf and GLib log about a damaged file goes into the error, not to the
    // terminal of the host.
    ::testing::internal::CaptureStderr();
    for (const Case& c : cases) {
        const com::ComError error = comErrorOf([&] { readXls(folder / c.file); });
        EXPECT_EQ(error.code(), c.code) << c.file;
        EXPECT_NE(error.description().find(c.message), std::string::npos)
            << c.file << ": " << error.description();
    }
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

struct SheetNames {
    const char* name;
    std::vector<std::string> names;
    const char* message;
};

class SheetNameTest : public ::testing::TestWithParam<SheetNames> {};

TEST_P(SheetNameTest, ExcelCannotHoldIsRefusedBeforeAFileIsWritten) {
    WorkbookData workbook;
    for (const std::string& name : GetParam().names) {
        workbook.addSheet(name).set(1, 1, 1.0);
    }
    ScratchFolder folder;
    const com::ComError error = comErrorOf([&] { writeXls(workbook, folder / "names.xls"); });
    EXPECT_EQ(error.code(), com::E_INVALIDARG);
    EXPECT_NE(error.description().find(GetParam().message), std::string::npos)
        << error.description();
    EXPECT_TRUE(folder.entries().empty());
}

INSTANTIATE_TEST_SUITE_P(
    XlsBadInput, SheetNameTest,
    ::testing::Values(
        SheetNames{"UsedTwice", {"list1", "LIST1"}, "sheet name \"LIST1\" is used twice"},
        SheetNames{"TooLong", {std::string(32, 'n')}, "is longer than 31 characters"},
        SheetNames{"Slash", {"a/b"}, "sheet name \"a/b\" holds one of the characters"},
        SheetNames{"Empty", {""}, "a sheet has an empty name"},
        SheetNames{"NoSheet", {}, "a workbook needs at least one sheet"}),
    quenmoor::testsupport::RowName());

// 31 characters are allowed, counted as characters, not bytes.
TEST(XlsSheetNames, MayHold31CharactersOfTwoBytes) {
    ScratchFolder folder;
    WorkbookData longest;
    const std::string name = testsupport::repeated("ß", 31);
    longest.addSheet(name);
    writeXls(longest, folder / "names.xls");
    EXPECT_EQ(readXls(folder / "names.xls").sheets.at(0).name(), name);
}

}  // namespace
}  // namespace quenmoor::workbook
