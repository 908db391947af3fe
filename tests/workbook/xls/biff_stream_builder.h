#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quenmoor::workbook::testsupport {

// Little-endian payload bytes of a BIFF record.
struct Bytes {
    std::vector<std::uint8_t> data;

    Bytes& u8(unsigned value);
    Bytes& u16(unsigned value);
    Bytes& u32(std::uint32_t value);
    Bytes& f64(double value);
    Bytes& raw(std::string_view text);
    // Characters of a string as UTF-16LE.
    Bytes& wide(std::u16string_view text);
    // A cell's row, column (both 0-based) and XF index.
    Bytes& cell(unsigned row, unsigned column) { return u16(row).u16(column).u16(15); }
};

struct RawRecord {
    std::uint16_t id;
    std::vector<std::uint8_t> data;
};

struct RawSheet {
    std::string name;                // 8-bit
    std::vector<RawRecord> records;  // between the sheet's BOF and EOF
};

// A BIFF8 workbook stream made of the given records: globals (BOF, extra records,
// BOUNDSHEETs, EOF) then one substream per sheet. With wrongOffsets, every BOUNDSHEET
// points into the globals instead of at its sheet.
std::vector<std::uint8_t> workbookStream(const std::vector<RawRecord>& globals,
                                         const std::vector<RawSheet>& sheets,
                                         bool wrongOffsets = false);

// Writes an OLE2 compound file holding stream under streamName.
void writeCompoundFile(const std::filesystem::path& file, const std::string& streamName,
                       const std::vector<std::uint8_t>& stream);

}  // namespace quenmoor::workbook::testsupport
