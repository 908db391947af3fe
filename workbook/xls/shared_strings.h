#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/com_object.h"

namespace quenmoor::workbook {

// The shared strings of a workbook read from a file, as UTF-8, stored end to end in one
// buffer. Complete once read: the sheets' text cells refer to them by index, and the values
// read from those cells hold the object, which keeps the characters as they are.
class SharedStrings final : public com::ComObject<SharedStrings, com::IUnknown> {
public:
    // Created, read and let go on the one thread that reads the workbook's cells.
    static constexpr bool apartmentThreaded = true;

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

}  // namespace quenmoor::workbook
