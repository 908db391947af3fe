#include "workbook/xls/record_cursor.h"

#include "workbook/xls/biff.h"

namespace quenmoor::workbook {

void Record::require(std::size_t size, const char* name) const {
    if (data.size() < size) {
        throw FormatError(std::string("malformed ") + name + " record at offset " +
                          std::to_string(offset) + " (" + std::to_string(data.size()) +
                          " bytes, at least " + std::to_string(size) + " expected)");
    }
}

bool RecordCursor::next(Record& record) {
    if (offset_ >= stream_.size()) {
        return false;
    }
    if (stream_.size() - offset_ < biff::kHeaderSize) {
        throw FormatError("truncated record header at offset " + std::to_string(offset_));
    }
    const std::uint8_t* header = stream_.data() + offset_;
    const std::size_t length = biff::u16(header + 2);
    if (stream_.size() - offset_ - biff::kHeaderSize < length) {
        throw FormatError("truncated record at offset " + std::to_string(offset_) + " (" +
                          std::to_string(length) + " bytes announced, " +
                          std::to_string(stream_.size() - offset_ - biff::kHeaderSize) +
                          " left in the stream)");
    }
    record.id = biff::u16(header);
    record.offset = offset_;
    record.data = stream_.subspan(offset_ + biff::kHeaderSize, length);
    offset_ += biff::kHeaderSize + length;
    return true;
}

bool RecordCursor::nextIs(std::uint16_t id) const {
    return offset_ < stream_.size() && stream_.size() - offset_ >= biff::kHeaderSize &&
           biff::u16(stream_.data() + offset_) == id;
}

}  // namespace quenmoor::workbook
