#include "workbook/xls/continued_reader.h"

#include <algorithm>

#include "workbook/xls/biff.h"
#include "workbook/xls/record_cursor.h"
#include "workbook/xls/utf.h"

namespace quenmoor::workbook {

bool ContinuedReader::nextSegment() {
    if (segment_ + 1 >= segments_.size()) {
        return false;
    }
    ++segment_;
    pos_ = 0;
    return true;
}

void ContinuedReader::ended() const {
    throw FormatError("data of the record at offset " + std::to_string(offsets_[segment_]) +
                      " ends in the middle of a value");
}

std::uint8_t ContinuedReader::u8() {
    while (pos_ >= segments_[segment_].size()) {
        if (!nextSegment()) {
            ended();
        }
    }
    return segments_[segment_][pos_++];
}

std::uint16_t ContinuedReader::u16() {
    const std::uint8_t low = u8();
    return static_cast<std::uint16_t>(low | (u8() << 8));
}

std::uint32_t ContinuedReader::u32() {
    const std::uint16_t low = u16();
    return low | (static_cast<std::uint32_t>(u16()) << 16);
}

void ContinuedReader::skip(std::size_t count) {
    while (count > 0) {
        if (pos_ >= segments_[segment_].size() && !nextSegment()) {
            ended();
        }
        const std::size_t n = std::min(count, segments_[segment_].size() - pos_);
        pos_ += n;
        count -= n;
    }
}

void ContinuedReader::readString(std::string& out, bool shortLength) {
    // Most strings lie whole in one record, without formatting runs or phonetic data.
    const std::span<const std::uint8_t> segment = segments_[segment_];
    const std::size_t header = shortLength ? 2 : 3;
    if (pos_ <= segment.size() && segment.size() - pos_ >= header) {
        const std::uint8_t* p = segment.data() + pos_;
        const std::size_t characters = shortLength ? p[0] : biff::u16(p);
        const std::uint8_t flags = p[header - 1];
        const std::size_t unit = (flags & biff::kHighByte) != 0 ? 2 : 1;
        if ((flags & (biff::kRichSt | biff::kExtSt)) == 0 &&
            segment.size() - pos_ - header >= characters * unit) {
            if (unit == 1) {
                appendLatin1(out, p + header, characters);
            } else {
                Utf16Decoder decoder;
                decoder.appendLe(out, p + header, characters);
                decoder.finish(out);
            }
            pos_ += header + characters * unit;
            return;
        }
    }
    const std::size_t count = shortLength ? u8() : u16();
    const std::uint8_t flags = u8();
    const std::size_t runs = (flags & biff::kRichSt) != 0 ? u16() : 0;
    const std::size_t phonetic = (flags & biff::kExtSt) != 0 ? u32() : 0;
    readChars(count, (flags & biff::kHighByte) != 0, out);
    skip(runs * 4);
    skip(phonetic);
}

void ContinuedReader::readChars(std::size_t count, bool wide, std::string& out) {
    out.reserve(out.size() + count);
    Utf16Decoder decoder;
    while (count > 0) {
        if (pos_ >= segments_[segment_].size()) {
            if (!nextSegment() || segments_[segment_].empty()) {
                ended();
            }
            wide = (segments_[segment_][pos_++] & biff::kHighByte) != 0;
            continue;
        }
        const std::size_t unit = wide ? 2 : 1;
        const std::size_t n = std::min(count, (segments_[segment_].size() - pos_) / unit);
        if (n == 0) {
            throw FormatError("a UTF-16 character is split between the record at offset " +
                              std::to_string(offsets_[segment_]) + " and the next");
        }
        const std::uint8_t* chars = segments_[segment_].data() + pos_;
        if (wide) {
            decoder.appendLe(out, chars, n);
        } else {
            decoder.finish(out);
            appendLatin1(out, chars, n);
        }
        pos_ += n * unit;
        count -= n;
    }
    decoder.finish(out);
}

}  // namespace quenmoor::workbook
