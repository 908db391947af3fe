#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/scratch_folder.h"
#include "workbook/xls/xls_file.h"
#include "xls_test_support.h"

// What other writers put in .xls files. Records that only other writers produce, built by
// hand: RK numbers, LABEL, formulas with cached results, blanks, errors, and shared strings
// with formatting runs, phonetic data and characters continued in CONTINUE records. And
// workbooks that LibreOffice made from fixtures/*.fods (see fixtures/make_fixtures.py):
// what another writer puts in a real file. Every value must be read as its source has it.
namespace quenmoor::workbook {
namespace {

namespace fs = std::filesystem;

using testsupport::Bytes;
using testsupport::RawRecord;
using testsupport::RawSheet;

std::vector<std::uint8_t> formulaResult(unsigned type, unsigned value) {
    return Bytes{}.u8(type).u8(0).u8(value).u8(0).u8(0).u8(0).u16(0xFFFF).data;
}

RawRecord formula(unsigned row, unsigned column, const std::vector<std::uint8_t>& result) {
    Bytes b;
    b.cell(row, column);
    b.data.insert(b.data.end(), result.begin(), result.end());
    b.u16(0).u32(0).u16(0);  // flags, cache, an empty parsed expression
    return {0x0006, b.data};
}

RawRecord labelSst(unsigned row, unsigned column, std::uint32_t index) {
    return {0x00FD, Bytes{}.cell(row, column).u32(index).data};
}

RawRecord rk(unsigned row, unsigned column, std::uint32_t value) {
    return {0x027E, Bytes{}.cell(row, column).u32(value).data};
}

std::vector<RawRecord> sharedStrings() {
    Bytes sst;
    sst.u32(20).u32(7);
    sst.u16(5).u8(0x08).u16(2).raw("rich!").u32(0x00000001).u32(0x00030002);  // 0: runs
    sst.u16(3).u8(0x04).u32(6).raw("ext").raw("PHONET");                      // 1: phonetic
    sst.u16(2).u8(0x0D).u16(1).u32(4).wide(u"Ωß").u32(0).raw("EXT!");         // 2: both, UTF-16
    sst.u16(10).u8(0x00).raw("abcde");  // 3: goes on in the CONTINUE, there as UTF-16
    Bytes first;
    first.u8(0x01).wide(u"fghij");
    first.u16(3).u8(0x08).u16(1).raw("xyz");  // 4: its run lies in the next CONTINUE
    Bytes second;
    second.u32(0x00010000);
    second.u16(4).u8(0x00).raw("last");  // 5
    second.u16(1).u8(0x00).u8(0xD8);     // 6: 'Ø' as an 8-bit character
    return {{0x00FC, sst.data}, {0x003C, first.data}, {0x003C, second.data}};
}

std::vector<RawRecord> cellRecords() {
    std::vector<RawRecord> records;
    for (unsigned i = 0; i < 7; ++i) {
        records.push_back(labelSst(0, i, i));
    }
    records.push_back(rk(1, 0, (42u << 2) | 2));
    records.push_back(rk(1, 1, (1234u << 2) | 3));
    records.push_back(rk(1, 2, 0x3FF80000));
    records.push_back(rk(1, 3, 0x3FF80000 | 1));
    records.push_back(rk(1, 4, static_cast<std::uint32_t>(-7 * 4) | 2));
    records.push_back({0x00BD, Bytes{}
                                   .u16(2)
                                   .u16(1)
                                   .u16(15)
                                   .u32((5u << 2) | 2)
                                   .u16(15)
                                   .u32(0x40000000)
                                   .u16(15)
                                   .u32((250u << 2) | 3)
                                   .u16(3)
                                   .data});
    records.push_back({0x0204, Bytes{}.cell(3, 0).u16(5).u8(0).raw("plain").data});
    records.push_back({0x0204, Bytes{}.cell(3, 1).u16(2).u8(1).wide(u"Ø漢").data});
    records.push_back(formula(4, 0, Bytes{}.f64(3.25).data));
    records.push_back(formula(4, 1, formulaResult(0, 0)));
    records.push_back({0x0207, Bytes{}.u16(6).u8(0).raw("result").data});
    records.push_back(formula(4, 2, formulaResult(0, 0)));
    records.push_back({0x04BC, Bytes{}.u32(0).u16(0).u16(0).u16(0).data});  // shared formula
    records.push_back({0x0207, Bytes{}.u16(2).u8(1).wide(u"Ωx").data});
    records.push_back(formula(4, 3, formulaResult(1, 1)));
    records.push_back(formula(4, 4, formulaResult(2, 0x07)));
    records.push_back(formula(4, 5, formulaResult(3, 0)));
    records.push_back({0x0201, Bytes{}.cell(5, 0).data});
    records.push_back({0x00BE, Bytes{}.u16(5).u16(1).u16(15).u16(15).u16(15).u16(3).data});
    records.push_back({0x0205, Bytes{}.cell(6, 0).u8(0x2A).u8(1).data});
    records.push_back({0x0205, Bytes{}.cell(6, 1).u8(0).u8(0).data});
    records.push_back({0x0205, Bytes{}.cell(6, 2).u8(1).u8(0).data});
    records.push_back({0x1234, Bytes{}.raw("unknown record").data});
    records.push_back({0x00EC, Bytes{}.raw("drawing").data});
    records.push_back({0x003C, Bytes{}.raw("its continuation").data});
    // An embedded chart: its records belong to the chart, not to the sheet's cells.
    records.push_back({0x0809, Bytes{}.u16(0x0600).u16(0x0020).u32(0).u32(0).u32(0).data});
    records.push_back({0x0203, Bytes{}.cell(9, 0).f64(99).data});
    records.push_back({0x000A, {}});
    return records;
}

struct Expected {
    int row;
    int column;
    CellValue value;
};

const std::vector<Expected>& expectedCells() {
    static const std::vector<Expected> cells = {
        {1, 1, std::string("rich!")},
        {1, 2, std::string("ext")},
        {1, 3, std::string("Ωß")},
        {1, 4, std::string("abcdefghij")},
        {1, 5, std::string("xyz")},
        {1, 6, std::string("last")},
        {1, 7, std::string("Ø")},
        {2, 1, 42.0},
        {2, 2, 12.34},
        {2, 3, 1.5},
        {2, 4, 0.015},
        {2, 5, -7.0},
        {3, 2, 5.0},
        {3, 3, 2.0},
        {3, 4, 2.5},
        {4, 1, std::string("plain")},
        {4, 2, std::string("Ø漢")},
        {5, 1, 3.25},
        {5, 2, std::string("result")},
        {5, 3, std::string("Ωx")},
        {5, 4, true},
        {5, 5, std::string("#DIV/0!")},
        {7, 1, std::string("#N/A")},
        {7, 2, false},
        {7, 3, true},
    };
    return cells;
}

struct Variant {
    const char* what;
    const char* streamName;
    bool wrongOffsets;
};

class XlsRecordKinds : public ::testing::TestWithParam<Variant> {};

TEST_P(XlsRecordKinds, ReadsEveryValueOtherWritersStore) {
    const Variant& variant = GetParam();
    const auto stream = testsupport::workbookStream(
        sharedStrings(),
        {RawSheet{"cells", cellRecords()},
         RawSheet{"second", {{0x0203, Bytes{}.cell(0, 0).f64(2).data}}}},
        variant.wrongOffsets);
    quenmoor::testsupport::ScratchFolder folder;
    testsupport::writeCompoundFile(folder / "other.xls", variant.streamName, stream);

    const WorkbookData workbook = readXls(folder / "other.xls");
    ASSERT_EQ(workbook.sheets.size(), 2u);
    const Sheet& sheet = workbook.sheets[0];
    EXPECT_EQ(sheet.name(), "cells");
    for (const Expected& cell : expectedCells()) {
        EXPECT_EQ(sheet.get(cell.row, cell.column), cell.value)
            << "row " << cell.row << " column " << cell.column;
    }
    EXPECT_EQ(sheet.cellCount(), expectedCells().size());
    EXPECT_EQ(workbook.sheets[1].name(), "second");
    EXPECT_EQ(workbook.sheets[1].get(1, 1), CellValue(2.0));
    EXPECT_EQ(workbook.sheets[1].cellCount(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Streams, XlsRecordKinds,
                         ::testing::Values(Variant{"Workbook", "Workbook", false},
                                           Variant{"Book", "Book", false},
                                           Variant{"WrongSheetOffsets", "Workbook", true}),
                         [](const auto& test) { return std::string(test.param.what); });

using testsupport::expectSameWorkbook;
using testsupport::repeated;

const fs::path kFixtures = LIBREOFFICE_FIXTURES;

// The values of lists.fods, the source LibreOffice made lists.xls from. Its formula =1/0
// caches 0 with the text #DIV/0!, while the .xls file keeps the error.
WorkbookData lists() {
    WorkbookData workbook = testsupport::readFods(kFixtures / "lists.fods");
    workbook.findSheet("formulas")->set(4, 1, std::string("#DIV/0!"));
    return workbook;
}

// strings.fods, which make_fixtures.py generates: strings over one and over two BIFF
// records, 8-bit and UTF-16, a formula's long cached result, and an empty text cell, which
// LibreOffice writes as a shared string of length 0 and which reads as an empty cell.
WorkbookData strings() {
    const std::vector<std::string> column = {
        "short",
        std::string(9000, 'a'),
        std::string(20000, 'b'),
        repeated("漢", 9000),
        std::string(8200, 'x') + repeated("漢", 300),
        repeated("ß", 17000),
        "after",
        std::string(9000, 'y'),
    };
    WorkbookData workbook;
    Sheet& sheet = workbook.addSheet("long");
    for (std::size_t i = 0; i < column.size(); ++i) {
        sheet.set(static_cast<int>(i) + 1, 1, column[i]);
    }
    Sheet& empty = workbook.addSheet("empty text");
    empty.set(1, 1, std::string("before"));
    empty.set(3, 1, std::string("after"));
    return workbook;
}

struct Fixture {
    const char* name;
    WorkbookData (*expected)();
    bool freeXlReads;
};

class LibreOfficeFiles : public ::testing::TestWithParam<Fixture> {};

TEST_P(LibreOfficeFiles, ReadEveryValueAsFreeXlDoes) {
    const fs::path file = kFixtures / (std::string(GetParam().name) + ".xls");
    const WorkbookData expected = GetParam().expected();
    expectSameWorkbook(expected, readXls(file));

    if (GetParam().freeXlReads) {
        // FreeXL skips formula cells, which are column A of "formulas".
        WorkbookData seen = expected;
        if (Sheet* formulas = seen.findSheet("formulas")) {
            for (int row = 1; row <= kMaxRows; ++row) {
                formulas->set(row, 1, CellValue{});
            }
        }
        expectSameWorkbook(seen, testsupport::readWithFreeXl(file), testsupport::asFreeXlSeesIt);
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, LibreOfficeFiles,
                         ::testing::Values(Fixture{"lists", &lists, true},
                                           Fixture{"strings", &strings, false}),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace quenmoor::workbook
