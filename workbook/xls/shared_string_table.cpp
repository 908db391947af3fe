#include "workbook/xls/shared_string_table.h"

#include <algorithm>

#include "workbook/xls/biff.h"
#include "workbook/xls/utf.h"

namespace quenmoor::workbook {

SharedStringTable::Problem SharedStringTable::add(std::string_view text, std::uint32_t& index) {
    auto [it, inserted] = index_.try_emplace(text, static_cast<std::uint32_t>(entries_.size()));
    if (!inserted) {
        index = it->second;
        ++uses_;
        return Problem::none;
    }
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    Entry entry{chars_.size(), 0, false};
    if (ascii) {
        if (text.size() > kMaxLength) {
            index_.erase(it);
            return Problem::tooLong;
        }
        chars_.insert(chars_.end(), text.begin(), text.end());
        entry.length = static_cast<std::uint16_t>(text.size());
    } else {
        const bool valid = utf8ToUtf16(text, scratch_);
        if (!valid || scratch_.size() > kMaxLength) {
            index_.erase(it);
            return valid ? Problem::tooLong : Problem::notUtf8;
        }
        entry.length = static_cast<std::uint16_t>(scratch_.size());
        entry.wide = std::any_of(scratch_.begin(), scratch_.end(),
                                 [](char16_t unit) { return unit > 0xFF; });
        for (char16_t unit : scratch_) {
            chars_.push_back(static_cast<std::uint8_t>(unit & 0xFF));
            if (entry.wide) {
                chars_.push_back(static_cast<std::uint8_t>(unit >> 8));
            }
        }
    }
    entries_.push_back(entry);
    index = it->second;
    ++uses_;
    return Problem::none;
}

void SharedStringTable::write(RecordBuffer& out) const {
    // Excel's hash table of the SST has at most 128 buckets of at least 8 strings.
    const std::size_t perBucket = std::max<std::size_t>(8, entries_.size() / 128 + 1);
    std::vector<std::pair<std::uint32_t, std::uint16_t>> buckets;

    out.begin(biff::kSst);
    out.put32(uses_);
    out.put32(static_cast<std::uint32_t>(entries_.size()));
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Entry& entry = entries_[i];
        const std::size_t unit = entry.wide ? 2 : 1;
        // A string's header (length and flags) and its first character share a record.
        const std::size_t start = 3 + std::min<std::size_t>(unit, entry.length * unit);
        if (out.payloadSize() + start > biff::kMaxPayload) {
            out.end();
            out.begin(biff::kContinue);
        }
        if (i % perBucket == 0) {
            buckets.emplace_back(static_cast<std::uint32_t>(out.size()),
                                 static_cast<std::uint16_t>(out.size() - out.recordStart()));
        }
        const std::uint8_t flags = entry.wide ? biff::kHighByte : 0;
        out.put16(entry.length);
        out.put8(flags);
        std::size_t left = entry.length;
        const std::uint8_t* chars = chars_.data() + entry.offset;
        while (left > 0) {
            const std::size_t fit = std::min(left, (biff::kMaxPayload - out.payloadSize()) / unit);
            if (fit == 0) {
                // The rest goes on in a CONTINUE record that repeats the flags byte.
                out.end();
                out.begin(biff::kContinue);
                out.put8(flags);
                continue;
            }
            out.putBytes(chars, fit * unit);
            chars += fit * unit;
            left -= fit;
        }
    }
    out.end();

    out.begin(biff::kExtSst);
    out.put16(static_cast<std::uint16_t>(perBucket));
    for (const auto& [position, offsetInRecord] : buckets) {
        out.put32(position);
        out.put16(offsetInRecord);
        out.put16(0);
    }
    out.end();
}

}  // namespace quenmoor::workbook
