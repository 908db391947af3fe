#include "workbook/xls/utf.h"

namespace quenmoor::workbook {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendCodePoint(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

bool isHigh(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLow(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

void appendLatin1(std::string& out, const std::uint8_t* bytes, std::size_t count) {
    // ASCII, by far the most common, is its own UTF-8.
    std::size_t ascii = 0;
    while (ascii < count && bytes[ascii] < 0x80) {
        ++ascii;
    }
    out.append(reinterpret_cast<const char*>(bytes), ascii);
    for (std::size_t i = ascii; i < count; ++i) {
        const std::uint8_t b = bytes[i];
        if (b < 0x80) {
            out.push_back(static_cast<char>(b));
        } else {
            out.push_back(static_cast<char>(0xC0 | (b >> 6)));
            out.push_back(static_cast<char>(0x80 | (b & 0x3F)));
        }
    }
}

void Utf16Decoder::append(std::string& out, char16_t unit) {
    if (high_ != 0) {
        if (isLow(unit)) {
            appendCodePoint(out, 0x10000 + ((static_cast<char32_t>(high_) - 0xD800) << 10) +
                                     (static_cast<char32_t>(unit) - 0xDC00));
            high_ = 0;
            return;
        }
        appendCodePoint(out, kReplacement);
        high_ = 0;
    }
    if (isHigh(unit)) {
        high_ = unit;
    } else if (isLow(unit)) {
        appendCodePoint(out, kReplacement);
    } else {
        appendCodePoint(out, unit);
    }
}

void Utf16Decoder::appendLe(std::string& out, const std::uint8_t* bytes, std::size_t units) {
    for (std::size_t i = 0; i < units; ++i) {
        append(out, static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8)));
    }
}

void Utf16Decoder::finish(std::string& out) {
    if (high_ != 0) {
        appendCodePoint(out, kReplacement);
        high_ = 0;
    }
}

bool utf8ToUtf16(std::string_view text, std::u16string& out) {
    out.clear();
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b0 = static_cast<std::uint8_t>(text[i]);
        if (b0 < 0x80) {
            out.push_back(b0);
            ++i;
            continue;
        }
        std::size_t length;
        char32_t cp;
        if ((b0 & 0xE0) == 0xC0) {
            length = 2;
            cp = b0 & 0x1Fu;
        } else if ((b0 & 0xF0) == 0xE0) {
            length = 3;
            cp = b0 & 0x0Fu;
        } else if ((b0 & 0xF8) == 0xF0) {
            length = 4;
            cp = b0 & 0x07u;
        } else {
            return false;
        }
        if (i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto b = static_cast<std::uint8_t>(text[i + k]);
            if ((b & 0xC0) != 0x80) {
                return false;
            }
            cp = (cp << 6) | (b & 0x3Fu);
        }
        constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < kMinimum[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            return false;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
        i += length;
    }
    return true;
}

}  // namespace quenmoor::workbook
