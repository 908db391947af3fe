#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Names compared without regard to letter case: classes, members, registry keys, sheets,
// properties and file names. Script engines and users change letter case freely, so a name
// is resolved so wherever it is looked up. Only the ASCII letters fold, whatever the locale;
// every other byte, UTF-8 sequences included, must match exactly. Each byte is read as an
// unsigned char, so a byte above 0x7F is never taken for a letter.
namespace quenmoor::com {

constexpr char lowerAscii(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'A' && byte <= 'Z') ? static_cast<char>(byte - 'A' + 'a') : c;
}

constexpr bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

// The text with its ASCII capitals made small, for a key compared as written, such as a
// file name's extension.
inline std::string toLowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = lowerAscii(c);
    }
    return lower;
}

// Hash and equality for unordered containers keyed by such names; both look up a
// string_view without copying it.
struct CaseInsensitiveHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const noexcept {
        std::size_t h = 14695981039346656037ull;
        for (char c : name) {
            h = (h ^ static_cast<unsigned char>(lowerAscii(c))) * 1099511628211ull;
        }
        return h;
    }
};

struct CaseInsensitiveEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const noexcept {
        return equalsIgnoringCase(a, b);
    }
};

}  // namespace quenmoor::com
