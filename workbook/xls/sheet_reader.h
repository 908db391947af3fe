#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "workbook/xls/record_cursor.h"
#include "workbook/xls/shared_strings.h"
#include "workbook/xls/sheet.h"

namespace quenmoor::workbook {

// Collects the payload of record from skip on, and of the CONTINUE records after it, for a
// ContinuedReader.
void gatherContinued(RecordCursor& cursor, const Record& record, std::size_t skip,
                     std::vector<std::span<const std::uint8_t>>& segments,
                     std::vector<std::size_t>& offsets);

// Reads the cell values of the worksheet substream whose BOF record is at offset, up to its
// EOF, skipping embedded chart substreams. Throws FormatError for damaged records.
class SheetReader {
public:
    SheetReader(std::span<const std::uint8_t> stream, const SharedStrings& strings)
        : stream_(stream), strings_(strings) {}

    // The sheet takes room for at most cellLimit cells before it fills.
    void read(std::size_t offset, std::size_t cellLimit, Sheet& sheet);

private:
    void cell(const Record& record, RecordCursor& cursor, Sheet& sheet);
    void formula(const Record& record, Sheet& sheet);
    void dimensions(const Record& record, Sheet& sheet) const;
    static void checkColumn(const Record& record, std::size_t column);
    static void put(Sheet& sheet, const Record& record, std::size_t row, std::size_t column,
                    CellValue value);

    std::span<const std::uint8_t> stream_;
    const SharedStrings& strings_;
    std::size_t cellLimit_ = 0;
    // A formula whose string result comes in the next STRING record.
    bool pendingString_ = false;
    std::size_t pendingRow_ = 0;
    std::size_t pendingColumn_ = 0;
    std::vector<std::span<const std::uint8_t>> segments_;
    std::vector<std::size_t> offsets_;
    std::string text_;
};

}  // namespace quenmoor::workbook
