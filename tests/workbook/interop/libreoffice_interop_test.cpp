#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "libreoffice.h"
#include "tests/support/scratch_folder.h"
#include "tests/workbook/xls/xls_test_support.h"
#include "workbook/xls/xls_file.h"

// LibreOffice opens what we write and we read what it saves, checked on every value of
// every sheet. Each test starts soffice once, for all its files.
namespace quenmoor::workbook {
namespace {

namespace fs = std::filesystem;
using quenmoor::testsupport::ScratchFolder;
using testsupport::expectSameWorkbook;
using testsupport::repeated;

constexpr int kListRows = 32766;

// Several sheets of the kinds the add-in keeps: names and values, lists with gaps in
// column A, a list of 32766 rows, and an empty sheet. FreeXL reads it too.
WorkbookData listsWorkbook() {
    WorkbookData workbook;
    Sheet& properties = workbook.addSheet("properties");
    std::vector<CellValue> values = {
        0.0, 42.0, -17.0, 0.1, -2.75, 1e300, -4.5e-300, 1.0 / 3, true, false, 123456789012345.0};
    values.emplace_back(std::string("12"));
    for (int row = 1; row <= static_cast<int>(values.size()); ++row) {
        properties.set(row, 1, "property " + std::to_string(row));
        properties.set(row, 2, values[row - 1]);
    }
    Sheet& gaps = workbook.addSheet("Maße Ø");
    for (int row : {1, 2, 4, 7, 8, 20}) {
        gaps.set(row, 1, row % 2 == 0 ? "Größe " + std::to_string(row) : std::string("Ø 12 H7"));
        gaps.set(row + 1, 3, static_cast<double>(row));
    }
    Sheet& list = workbook.addSheet("list1");
    for (int row = 1; row <= kListRows; ++row) {
        list.set(row, 1, "M" + std::to_string(row % 97) + "x1.5 item " + std::to_string(row));
        if (row % 10 == 0) {
            list.set(row, 2, row * 0.25);
        }
    }
    workbook.addSheet("empty");
    return workbook;
}

// Text beyond Latin-1 and beyond one and two BIFF records, which FreeXL does not read.
WorkbookData stringsWorkbook() {
    WorkbookData workbook;
    Sheet& sheet = workbook.addSheet("漢字 text");
    const std::vector<std::string> texts = {
        "Ø 12 H7",
        "Größe",
        "漢字テスト",
        "emoji \xF0\x9F\x98\x80 pair",
        std::string(9000, 'a'),
        std::string(20000, 'b'),
        repeated("漢", 10000),
        std::string(8213, 'd') + "Ω",
        std::string(32767, 'e'),
    };
    for (std::size_t i = 0; i < texts.size(); ++i) {
        sheet.set(static_cast<int>(2 * i + 1), 1, texts[i]);
    }
    return workbook;
}

// LibreOffice opens Boolean cells of .xls files as the formulas =TRUE() and =FALSE(); it
// saves their results to .fods as the numbers 1 and 0, and every number with 15
// significant digits.
CellValue asSavedToFods(const CellValue& value) {
    if (const bool* boolean = booleanOf(value)) {
        return *boolean ? 1.0 : 0.0;
    }
    if (const double* number = numberOf(value)) {
        char text[32];
        std::snprintf(text, sizeof text, "%.15g", *number);
        return std::strtod(text, nullptr);
    }
    return value;
}

// FreeXL reads no formula results, so it misses the Booleans that LibreOffice saves as
// formulas.
CellValue asFreeXlReadsLibreOffice(const CellValue& value) {
    return booleanOf(value) != nullptr ? CellValue{} : value;
}

class LibreOfficeInterop : public ::testing::Test {
protected:
    void SetUp() override {
        soffice_ = testsupport::findSoffice();
        if (!soffice_) {
            GTEST_SKIP() << "soffice is not on the PATH; install libreoffice-calc-nogui to run "
                            "the LibreOffice interoperability tests";
        }
        fs::create_directory(folder_ / "ours");
        fs::create_directory(folder_ / "theirs");
        writeXls(lists_, ours("lists.xls"));
        writeXls(strings_, ours("strings.xls"));
    }

    fs::path ours(const std::string& name) const { return folder_ / "ours" / name; }

    std::vector<fs::path> convert(const std::string& format) const {
        return testsupport::convertWithLibreOffice(
            *soffice_, {ours("lists.xls"), ours("strings.xls")}, format, folder_ / "theirs");
    }

    std::optional<fs::path> soffice_;
    ScratchFolder folder_;
    const WorkbookData lists_ = listsWorkbook();
    const WorkbookData strings_ = stringsWorkbook();
};

TEST_F(LibreOfficeInterop, OpensEveryValueWeWrite) {
    const std::vector<fs::path> saved = convert("fods");
    expectSameWorkbook(lists_, testsupport::readFods(saved[0]), asSavedToFods);
    expectSameWorkbook(strings_, testsupport::readFods(saved[1]));
}

TEST_F(LibreOfficeInterop, WeReadBackWhatItSavesOfOurs) {
    const std::vector<fs::path> saved = convert("xls");
    expectSameWorkbook(lists_, readXls(saved[0]));
    expectSameWorkbook(strings_, readXls(saved[1]));
    expectSameWorkbook(lists_, testsupport::readWithFreeXl(saved[0]), asFreeXlReadsLibreOffice);
}

}  // namespace
}  // namespace quenmoor::workbook
