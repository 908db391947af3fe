#pragma once

// What the tests of .xls files share: records built by hand, FreeXL as an independent
// reader, a reader of the .fods files LibreOffice saves, and the comparison of two
// workbooks cell by cell.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "workbook/xls/workbook_data.h"

namespace quenmoor::workbook::testsupport {

// Little-endian payload bytes of a BIFF record.
struct Bytes {
    std::vector<std::uint8_t> data;

    Bytes& u8(unsigned value);
    Bytes& u16(unsigned value);
    Bytes& u32(std::uint32_t value);
    Bytes& f64(double value);
    Bytes& raw(std::string_view text);
    // Characters of a string as UTF-16LE.
    Bytes& wide(std::u16string_view text);
    // A cell's row, column (both 0-based) and XF index.
    Bytes& cell(unsigned row, unsigned column) { return u16(row).u16(column).u16(15); }
};

struct RawRecord {
    std::uint16_t id;
    std::vector<std::uint8_t> data;
};

struct RawSheet {
    std::string name;                // 8-bit
    std::vector<RawRecord> records;  // between the sheet's BOF and EOF
};

// A BIFF8 workbook stream made of the given records: globals (BOF, extra records,
// BOUNDSHEETs, EOF) then one substream per sheet. With wrongOffsets, every BOUNDSHEET
// points into the globals instead of at its sheet.
std::vector<std::uint8_t> workbookStream(const std::vector<RawRecord>& globals,
                                         const std::vector<RawSheet>& sheets,
                                         bool wrongOffsets = false);

// Writes an OLE2 compound file holding stream under streamName.
void writeCompoundFile(const std::filesystem::path& file, const std::string& streamName,
                       const std::vector<std::uint8_t>& stream);

// The sheets and cell values of file as FreeXL, an independent reader, sees them. FreeXL
// has no booleans (it gives 0 or 1) and no distinction between integers and doubles, so
// every number comes back as a double. Throws std::runtime_error when FreeXL refuses the file.
WorkbookData readWithFreeXl(const std::filesystem::path& file);

// The sheets and cell values of a flat OpenDocument spreadsheet (.fods), such as LibreOffice
// saves and the fixtures' sources are: numbers, Booleans and text, formulas by their cached
// results, the text of several paragraphs joined by line ends. Throws std::runtime_error naming the
// file, and the sheet and cell where it applies, for other kinds of value, for cells beyond row
// 65536 or column 256, and for malformed XML.
WorkbookData readFods(const std::filesystem::path& file);

// How another reader sees a value that it stores differently, e.g. FreeXL's numbers for
// Booleans.
using ValueView = std::function<CellValue(const CellValue&)>;

// Fails unless actual holds the sheets of expected, in order, with the same names and
// exactly the same cells, each seen through view, which may drop a cell by making it
// empty. Names the sheet and cell of the first mismatches.
void expectSameWorkbook(const WorkbookData& expected, const WorkbookData& actual,
                        const ValueView& view = {});

// `unit` written `count` times: long strings of multi-byte characters.
inline std::string repeated(const std::string& unit, std::size_t count) {
    std::string out;
    out.reserve(unit.size() * count);
    for (std::size_t i = 0; i < count; ++i) {
        out += unit;
    }
    return out;
}

// FreeXL has no Booleans: it reads them as the numbers 0 and 1.
CellValue asFreeXlSeesIt(const CellValue& value);

}  // namespace quenmoor::workbook::testsupport
