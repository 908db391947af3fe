#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// Record identifiers and limits of the BIFF8 format (Excel 97-2003).
namespace quenmoor::workbook::biff {

enum RecordId : std::uint16_t {
    kFormula = 0x0006,
    kEof = 0x000A,
    kFilePass = 0x002F,
    kFont = 0x0031,
    kContinue = 0x003C,
    kWindow1 = 0x003D,
    kCodePage = 0x0042,
    kBoundSheet = 0x0085,
    kMulRk = 0x00BD,
    kMulBlank = 0x00BE,
    kXf = 0x00E0,
    kSst = 0x00FC,
    kLabelSst = 0x00FD,
    kExtSst = 0x00FF,
    kDimensions = 0x0200,
    kBlank = 0x0201,
    kNumber = 0x0203,
    kLabel = 0x0204,
    kBoolErr = 0x0205,
    kString = 0x0207,
    kArray = 0x0221,
    kWindow2 = 0x023E,
    kRk = 0x027E,
    kStyle = 0x0293,
    kShrFmla = 0x04BC,
    kBof = 0x0809,
};

inline constexpr std::uint16_t kBiff8Version = 0x0600;
inline constexpr std::uint16_t kBofGlobals = 0x0005;
inline constexpr std::uint16_t kBofWorksheet = 0x0010;

// Longest record payload Excel writes and expects; longer data goes on in CONTINUE records.
inline constexpr std::size_t kMaxPayload = 8224;
inline constexpr std::size_t kHeaderSize = 4;

// Flags byte of a BIFF8 unicode string.
inline constexpr std::uint8_t kHighByte = 0x01;  // characters are UTF-16LE, not 8-bit
inline constexpr std::uint8_t kExtSt = 0x04;     // phonetic data follows the runs
inline constexpr std::uint8_t kRichSt = 0x08;    // formatting runs follow the characters

inline std::uint16_t u16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t u32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline double f64(const std::uint8_t* p) {
    const std::uint64_t bits =
        static_cast<std::uint64_t>(u32(p)) | (static_cast<std::uint64_t>(u32(p + 4)) << 32);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

}  // namespace quenmoor::workbook::biff
