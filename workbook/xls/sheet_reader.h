#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "workbook/xls/record_cursor.h"
#include "workbook/xls/sheet.h"

namespace quenmoor::workbook {

// The shared strings of a workbook as UTF-8, stored end to end in one buffer.
class SharedStrings {
public:
    void reserve(std::size_t count) { ends_.reserve(count); }
    // The characters appended to text() since the last call form the next string.
    std::string& text() { return text_; }
    void endString() { ends_.push_back(text_.size()); }

    std::size_t size() const { return ends_.size(); }
    std::string_view operator[](std::size_t i) const {
        const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(text_).substr(begin, ends_[i] - begin);
    }

private:
    std::string text_;
    std::vector<std::size_t> ends_;
};

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

    void read(std::size_t offset, Sheet& sheet);

private:
    void cell(const Record& record, RecordCursor& cursor, Sheet& sheet);
    void formula(const Record& record, Sheet& sheet);
    static void put(Sheet& sheet, const Record& record, std::size_t row, std::size_t column,
                    CellValue value);

    std::span<const std::uint8_t> stream_;
    const SharedStrings& strings_;
    // A formula whose string result comes in the next STRING record.
    bool pendingString_ = false;
    std::size_t pendingRow_ = 0;
    std::size_t pendingColumn_ = 0;
    std::vector<std::span<const std::uint8_t>> segments_;
    std::vector<std::size_t> offsets_;
    std::string text_;
};

}  // namespace quenmoor::workbook
