#include "workbook/xls/sheet_reader.h"

#include <algorithm>
#include <array>

#include "workbook/xls/biff.h"
#include "workbook/xls/continued_reader.h"

namespace quenmoor::workbook {

namespace {

// An RK number: a 30-bit integer or the top 30 bits of a double, perhaps times 100.
double rkValue(std::uint32_t rk) {
    double value;
    if ((rk & 0x02) != 0) {
        value = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
    } else {
        value = biff::f64(std::array<std::uint8_t, 8>{
            0, 0, 0, 0, static_cast<std::uint8_t>(rk & 0xFC), static_cast<std::uint8_t>(rk >> 8),
            static_cast<std::uint8_t>(rk >> 16), static_cast<std::uint8_t>(rk >> 24)}
                              .data());
    }
    return (rk & 0x01) != 0 ? value / 100 : value;
}

const char* errorText(std::uint8_t code) {
    switch (code) {
        case 0x00:
            return "#NULL!";
        case 0x07:
            return "#DIV/0!";
        case 0x0F:
            return "#VALUE!";
        case 0x17:
            return "#REF!";
        case 0x1D:
            return "#NAME?";
        case 0x24:
            return "#NUM!";
        default:
            return "#N/A";
    }
}

}  // namespace

void gatherContinued(RecordCursor& cursor, const Record& record, std::size_t skip,
                     std::vector<std::span<const std::uint8_t>>& segments,
                     std::vector<std::size_t>& offsets) {
    segments.assign(1, record.data.subspan(skip));
    offsets.assign(1, record.offset);
    Record next;
    while (cursor.nextIs(biff::kContinue) && cursor.next(next)) {
        segments.push_back(next.data);
        offsets.push_back(next.offset);
    }
}

void SheetReader::read(std::size_t offset, std::size_t cellLimit, Sheet& sheet) {
    cellLimit_ = cellLimit;
    RecordCursor cursor(stream_, offset);
    Record record;
    int depth = 0;
    pendingString_ = false;
    while (cursor.next(record)) {
        if (record.id == biff::kBof) {
            ++depth;
        } else if (record.id == biff::kEof) {
            if (--depth == 0) {
                return;
            }
        } else if (depth == 1) {
            cell(record, cursor, sheet);
        }
    }
}

void SheetReader::checkColumn(const Record& record, std::size_t column) {
    if (column >= static_cast<std::size_t>(kMaxColumns)) {
        throw FormatError("cell record at offset " + std::to_string(record.offset) +
                          " names column " + std::to_string(column + 1) + ", beyond the " +
                          std::to_string(kMaxColumns) + " columns of a sheet");
    }
}

void SheetReader::put(Sheet& sheet, const Record& record, std::size_t row, std::size_t column,
                      CellValue value) {
    checkColumn(record, column);
    sheet.set(static_cast<int>(row) + 1, static_cast<int>(column) + 1, std::move(value));
}

// Room for the cells of the area DIMENSIONS gives, as far as the substream can hold them:
// the sheet then fills without growing.
void SheetReader::dimensions(const Record& record, Sheet& sheet) const {
    if (record.data.size() < 12 || sheet.cellCount() != 0) {
        return;
    }
    const std::uint8_t* d = record.data.data();
    const std::uint32_t firstRow = biff::u32(d);
    const std::uint32_t rowsEnd = biff::u32(d + 4);
    const std::uint16_t firstColumn = biff::u16(d + 8);
    const std::uint16_t columnsEnd = biff::u16(d + 10);
    if (rowsEnd <= firstRow || columnsEnd <= firstColumn) {
        return;
    }
    const std::size_t area =
        std::size_t{std::min<std::uint32_t>(rowsEnd - firstRow, kMaxRows)} *
        std::min<std::uint16_t>(static_cast<std::uint16_t>(columnsEnd - firstColumn), kMaxColumns);
    sheet.reserve(std::min(area, cellLimit_));
}

void SheetReader::cell(const Record& record, RecordCursor& cursor, Sheet& sheet) {
    const std::uint8_t* d = record.data.data();
    switch (record.id) {
        case biff::kLabelSst: {
            record.require(10, "LABELSST");
            const std::uint32_t index = biff::u32(d + 6);
            if (index >= strings_.size()) {
                throw FormatError("LABELSST record at offset " + std::to_string(record.offset) +
                                  " refers to string " + std::to_string(index) + " of a table of " +
                                  std::to_string(strings_.size()));
            }
            const std::size_t column = biff::u16(d + 2);
            checkColumn(record, column);
            sheet.setShared(biff::u16(d) + 1, static_cast<int>(column) + 1, index);
            break;
        }
        case biff::kNumber:
            record.require(14, "NUMBER");
            put(sheet, record, biff::u16(d), biff::u16(d + 2), biff::f64(d + 6));
            break;
        case biff::kRk:
            record.require(10, "RK");
            put(sheet, record, biff::u16(d), biff::u16(d + 2), rkValue(biff::u32(d + 6)));
            break;
        case biff::kMulRk: {
            record.require(6, "MULRK");
            if ((record.data.size() - 6) % 6 != 0) {
                throw FormatError("malformed MULRK record at offset " +
                                  std::to_string(record.offset));
            }
            const std::size_t count = (record.data.size() - 6) / 6;
            const std::size_t first = biff::u16(d + 2);
            for (std::size_t i = 0; i < count; ++i) {
                put(sheet, record, biff::u16(d), first + i, rkValue(biff::u32(d + 6 + 6 * i)));
            }
            break;
        }
        case biff::kBoolErr: {
            record.require(8, "BOOLERR");
            CellValue value =
                d[7] != 0 ? CellValue(std::string(errorText(d[6]))) : CellValue(d[6] != 0);
            put(sheet, record, biff::u16(d), biff::u16(d + 2), std::move(value));
            break;
        }
        case biff::kLabel: {
            record.require(9, "LABEL");
            gatherContinued(cursor, record, 6, segments_, offsets_);
            text_.clear();
            ContinuedReader(segments_, offsets_).readString(text_);
            put(sheet, record, biff::u16(d), biff::u16(d + 2), text_);
            break;
        }
        case biff::kFormula:
            formula(record, sheet);
            break;
        case biff::kString:
            if (pendingString_) {
                gatherContinued(cursor, record, 0, segments_, offsets_);
                text_.clear();
                ContinuedReader(segments_, offsets_).readString(text_);
                put(sheet, record, pendingRow_, pendingColumn_, text_);
                pendingString_ = false;
            }
            break;
        case biff::kDimensions:
            dimensions(record, sheet);
            break;
        default:
            // BLANK and MULBLANK only format empty cells; other records carry no values.
            break;
    }
}

void SheetReader::formula(const Record& record, Sheet& sheet) {
    record.require(20, "FORMULA");
    const std::uint8_t* d = record.data.data();
    const std::size_t row = biff::u16(d);
    const std::size_t column = biff::u16(d + 2);
    pendingString_ = false;
    const std::uint8_t* result = d + 6;
    if (biff::u16(result + 6) != 0xFFFF) {
        put(sheet, record, row, column, biff::f64(result));
        return;
    }
    switch (result[0]) {
        case 0:
            pendingString_ = true;
            pendingRow_ = row;
            pendingColumn_ = column;
            break;
        case 1:
            put(sheet, record, row, column, result[2] != 0);
            break;
        case 2:
            put(sheet, record, row, column, std::string(errorText(result[2])));
            break;
        default:
            // An empty string result.
            put(sheet, record, row, column, CellValue{});
            break;
    }
}

}  // namespace quenmoor::workbook
