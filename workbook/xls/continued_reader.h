#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quenmoor::workbook {

// Reads data spread over a record and the CONTINUE records after it. Numbers and skipped
// bytes run on across record boundaries; the characters of a string do too, except that
// each CONTINUE record carrying the rest of a string starts with a fresh flags byte saying
// whether its characters are 8-bit or UTF-16. Throws FormatError when the data ends early.
class ContinuedReader {
public:
    // segments[0] starts at the first byte to read; the others are whole CONTINUE payloads.
    // offsets holds the stream offset of each segment's record, for messages.
    ContinuedReader(const std::vector<std::span<const std::uint8_t>>& segments,
                    const std::vector<std::size_t>& offsets)
        : segments_(segments), offsets_(offsets) {}

    std::uint8_t u8();
    std::uint16_t u16();
    std::uint32_t u32();
    void skip(std::size_t count);

    // A BIFF8 unicode string with a 16-bit (or, for names, 8-bit) character count, its
    // formatting runs and phonetic data skipped; its characters are appended to out as UTF-8.
    void readString(std::string& out, bool shortLength = false);

private:
    bool nextSegment();
    [[noreturn]] void ended() const;
    void readChars(std::size_t count, bool wide, std::string& out);

    const std::vector<std::span<const std::uint8_t>>& segments_;
    const std::vector<std::size_t>& offsets_;
    std::size_t segment_ = 0;
    std::size_t pos_ = 0;
};

}  // namespace quenmoor::workbook
