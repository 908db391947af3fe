#include "workbook/xls/record_buffer.h"

#include <cstring>
#include <stdexcept>

#include "workbook/xls/biff.h"

namespace quenmoor::workbook {

void RecordBuffer::begin(std::uint16_t id) {
    recordStart_ = bytes_.size();
    put16(id);
    put16(0);
}

void RecordBuffer::end() {
    const std::size_t length = payloadSize();
    if (length > biff::kMaxPayload) {
        throw std::logic_error("BIFF record longer than 8224 bytes");
    }
    bytes_[recordStart_ + 2] = static_cast<std::uint8_t>(length & 0xFF);
    bytes_[recordStart_ + 3] = static_cast<std::uint8_t>(length >> 8);
}

void RecordBuffer::putDouble(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    put32(static_cast<std::uint32_t>(bits & 0xFFFFFFFF));
    put32(static_cast<std::uint32_t>(bits >> 32));
}

void RecordBuffer::putBytes(const std::uint8_t* data, std::size_t size) {
    bytes_.insert(bytes_.end(), data, data + size);
}

void RecordBuffer::putShortString(std::u16string_view text) {
    bool wide = false;
    for (char16_t unit : text) {
        wide = wide || unit > 0xFF;
    }
    put8(static_cast<std::uint8_t>(text.size()));
    put8(wide ? biff::kHighByte : 0);
    for (char16_t unit : text) {
        if (wide) {
            put16(static_cast<std::uint16_t>(unit));
        } else {
            put8(static_cast<std::uint8_t>(unit));
        }
    }
}

void RecordBuffer::patch32(std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes_[offset + static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF);
    }
}

}  // namespace quenmoor::workbook
