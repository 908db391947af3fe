#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "workbook/xls/record_buffer.h"

namespace quenmoor::workbook {

// The shared strings of a workbook being written: each distinct text once, in order of
// first use, encoded as BIFF8 stores it.
class SharedStringTable {
public:
    // Excel's limit for the text of a cell, in UTF-16 code units.
    static constexpr std::size_t kMaxLength = 32767;

    enum class Problem { none, notUtf8, tooLong };

    // Finds or adds text, counting one more use. The table keeps a view of text, which must
    // outlive it.
    Problem add(std::string_view text, std::uint32_t& index);
    // One more use of a string added before.
    void countUse() { ++uses_; }

    // The SST record with its CONTINUE records, then EXTSST.
    void write(RecordBuffer& out) const;

    std::size_t uniqueCount() const { return entries_.size(); }

private:
    struct Entry {
        std::size_t offset;    // into chars_
        std::uint16_t length;  // characters
        bool wide;             // UTF-16LE rather than 8-bit
    };

    std::unordered_map<std::string_view, std::uint32_t> index_;
    std::vector<Entry> entries_;
    std::vector<std::uint8_t> chars_;
    std::uint32_t uses_ = 0;
    std::u16string scratch_;
};

}  // namespace quenmoor::workbook
