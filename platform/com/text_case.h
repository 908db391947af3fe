#pragma once

#include <cstddef>
#include <string_view>

// Names compared without regard to letter case, as the original platform compares the
// names of classes, members, registry keys, sheets and properties. Only ASCII letters
// fold, as they do there in the invariant locale.
namespace quenmoor::com {

constexpr char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
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
