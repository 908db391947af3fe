#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quenmoor::workbook {

// Appends 8-bit BIFF8 characters, which are the low bytes of UTF-16 code units (Latin-1),
// as UTF-8.
void appendLatin1(std::string& out, const std::uint8_t* bytes, std::size_t count);

// Turns UTF-16 code units into UTF-8, fed in pieces: a string's characters may be split over
// records between the two halves of a surrogate pair. Unpaired surrogates become U+FFFD.
class Utf16Decoder {
public:
    void appendLe(std::string& out, const std::uint8_t* bytes, std::size_t units);
    void append(std::string& out, char16_t unit);
    void finish(std::string& out);

private:
    char16_t high_ = 0;
};

// Converts UTF-8 to UTF-16 code units; false for malformed UTF-8.
bool utf8ToUtf16(std::string_view text, std::u16string& out);

}  // namespace quenmoor::workbook
