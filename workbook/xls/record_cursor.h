#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

namespace quenmoor::workbook {

// A damaged BIFF stream; the message says what is wrong and where in the stream, and the
// reader adds the file and the sheet.
class FormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Record {
    std::uint16_t id = 0;
    std::size_t offset = 0;  // of the record header in the stream
    std::span<const std::uint8_t> data;

    // Throws FormatError unless the payload holds at least size bytes.
    void require(std::size_t size, const char* name) const;
};

// Walks the records of a BIFF stream from a given offset, checking that each lies inside it.
class RecordCursor {
public:
    RecordCursor(std::span<const std::uint8_t> stream, std::size_t offset)
        : stream_(stream), offset_(offset) {}

    // The next record, or false at the end of the stream. Throws FormatError for a record
    // running past the end.
    bool next(Record& record);
    // Whether a next record starts with the given id.
    bool nextIs(std::uint16_t id) const;

    std::size_t offset() const { return offset_; }

private:
    std::span<const std::uint8_t> stream_;
    std::size_t offset_;
};

}  // namespace quenmoor::workbook
