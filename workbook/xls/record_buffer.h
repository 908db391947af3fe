#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quenmoor::workbook {

// A BIFF stream under construction: records appended one after the other, each opened with
// begin() and closed with end(), which fills in its length.
class RecordBuffer {
public:
    void begin(std::uint16_t id);
    void end();

    void put8(std::uint8_t value) { bytes_.push_back(value); }
    void put16(std::uint16_t value) {
        bytes_.push_back(static_cast<std::uint8_t>(value & 0xFF));
        bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    void put32(std::uint32_t value) {
        put16(static_cast<std::uint16_t>(value & 0xFFFF));
        put16(static_cast<std::uint16_t>(value >> 16));
    }
    void putDouble(double value);
    void putBytes(const std::uint8_t* data, std::size_t size);
    void putZeros(std::size_t count) { bytes_.resize(bytes_.size() + count, 0); }
    // A short BIFF8 string (8-bit length) of at most 255 characters, as names are stored.
    void putShortString(std::u16string_view text);

    void patch32(std::size_t offset, std::uint32_t value);

    std::size_t size() const { return bytes_.size(); }
    std::size_t recordStart() const { return recordStart_; }
    std::size_t payloadSize() const { return bytes_.size() - recordStart_ - 4; }

    std::vector<std::uint8_t>& bytes() { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t recordStart_ = 0;
};

}  // namespace quenmoor::workbook
