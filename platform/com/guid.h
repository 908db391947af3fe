#pragma once

#include <array>
#include <bit>
#include <compare>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/com/export.h"

namespace quenmoor::com {

// A globally unique identifier, written "{8-4-4-4-12}" in hexadecimal digits.
struct QUENMOOR_EXPORT Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};

    // The text with or without braces, digits in either case; nullopt for anything else.
    static constexpr std::optional<Guid> tryParse(std::string_view text);
    // As tryParse, but a malformed text throws ComError(CO_E_CLASSSTRING) that quotes it.
    static Guid parse(std::string_view text);

    // Upper-case digits in braces, the way the registry writes it.
    std::string toString() const;

    // As two words: QueryInterface compares identifiers on every call that hands out an object.
    friend constexpr bool operator==(const Guid& a, const Guid& b) {
        const auto x = std::bit_cast<std::array<std::uint64_t, 2>>(a);
        const auto y = std::bit_cast<std::array<std::uint64_t, 2>>(b);
        return x[0] == y[0] && x[1] == y[1];
    }
    friend constexpr auto operator<=>(const Guid&, const Guid&) = default;
};

// A Guid written in the source; a malformed literal does not compile.
consteval Guid guid(std::string_view text) {
    auto parsed = Guid::tryParse(text);
    if (!parsed) {
        throw "malformed GUID literal";
    }
    return *parsed;
}

constexpr std::optional<Guid> Guid::tryParse(std::string_view text) {
    if (text.size() == 38) {
        if (text.front() != '{' || text.back() != '}') {
            return std::nullopt;
        }
        text = text.substr(1, 36);
    }
    if (text.size() != 36) {
        return std::nullopt;
    }
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    };
    std::array<std::uint8_t, 16> bytes{};
    std::size_t byte = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (i == 8 || i == 13 || i == 18 || i == 23) {
            if (text[i] != '-') {
                return std::nullopt;
            }
            ++i;
            continue;
        }
        int high = digit(text[i]);
        int low = digit(text[i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        bytes[byte++] = static_cast<std::uint8_t>(high * 16 + low);
        i += 2;
    }
    Guid g;
    g.data1 = static_cast<std::uint32_t>(bytes[0]) << 24 |
              static_cast<std::uint32_t>(bytes[1]) << 16 |
              static_cast<std::uint32_t>(bytes[2]) << 8 | bytes[3];
    g.data2 = static_cast<std::uint16_t>(bytes[4] << 8 | bytes[5]);
    g.data3 = static_cast<std::uint16_t>(bytes[6] << 8 | bytes[7]);
    for (std::size_t i = 0; i < 8; ++i) {
        g.data4[i] = bytes[8 + i];
    }
    return g;
}

inline constexpr Guid GUID_NULL{};

}  // namespace quenmoor::com

template <>
struct std::hash<quenmoor::com::Guid> {
    std::size_t operator()(const quenmoor::com::Guid& g) const noexcept {
        std::size_t h = g.data1 ^ (std::size_t{g.data2} << 32) ^ (std::size_t{g.data3} << 48);
        for (auto b : g.data4) {
            h = h * 131 + b;
        }
        return h;
    }
};
