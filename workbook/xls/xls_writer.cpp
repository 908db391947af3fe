#include <cmath>
#include <string>
#include <vector>

#include "platform/com/com_error.h"
#include "platform/com/text_case.h"
#include "platform/files/replacement_file.h"
#include "workbook/xls/biff.h"
#include "workbook/xls/cell_name.h"
#include "workbook/xls/ole_storage.h"
#include "workbook/xls/record_buffer.h"
#include "workbook/xls/shared_string_table.h"
#include "workbook/xls/utf.h"
#include "workbook/xls/xls_file.h"

namespace quenmoor::workbook {

namespace {

constexpr std::size_t kMaxSheetName = 31;
// Excel opens a workbook stream shorter than a big OLE2 block as damaged.
constexpr std::size_t kMinStreamSize = 4096;
constexpr std::uint16_t kStyleXfCount = 15;
constexpr std::uint16_t kCellXf = kStyleXfCount;

[[noreturn]] void invalid(const std::filesystem::path& file, const std::string& what) {
    throw com::ComError(com::E_INVALIDARG, file.string() + ": " + what);
}

std::vector<std::u16string> checkedSheetNames(const WorkbookData& workbook,
                                              const std::filesystem::path& file) {
    if (workbook.sheets.empty()) {
        invalid(file, "a workbook needs at least one sheet");
    }
    std::vector<std::u16string> names;
    for (const Sheet& sheet : workbook.sheets) {
        const std::string quoted = "sheet name \"" + sheet.name() + "\"";
        std::u16string name;
        if (!utf8ToUtf16(sheet.name(), name)) {
            invalid(file, quoted + " is not valid UTF-8");
        }
        if (name.empty()) {
            invalid(file, "a sheet has an empty name");
        }
        if (name.size() > kMaxSheetName) {
            invalid(file, quoted + " is longer than 31 characters");
        }
        if (name.find_first_of(u"[]:*?/\\") != std::u16string::npos) {
            invalid(file, quoted + " holds one of the characters [ ] : * ? / \\");
        }
        if (name.front() == u'\'' || name.back() == u'\'') {
            invalid(file, quoted + " starts or ends with an apostrophe");
        }
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (com::equalsIgnoringCase(workbook.sheets[i].name(), sheet.name())) {
                invalid(file,
                        quoted + " is used twice (names are compared without regard to case)");
            }
        }
        names.push_back(std::move(name));
    }
    return names;
}

// The shared-string index of every text cell, in the order the sheets are written.
std::vector<std::uint32_t> collectStrings(const WorkbookData& workbook, SharedStringTable& table,
                                          const std::filesystem::path& file) {
    std::vector<std::uint32_t> indices;
    // Text read from a file is mostly the shared strings of one table, each used by many
    // cells: each is looked up once, and its index kept by its place in that table.
    const com::IUnknown* memoOwner = nullptr;
    std::vector<std::uint32_t> memo;
    constexpr std::uint32_t kNotYet = ~std::uint32_t{0};
    for (const Sheet& sheet : workbook.sheets) {
        indices.reserve(indices.size() + sheet.cellCount());
        sheet.forEachCellRef([&](int row, int column, const CellRef& cell) {
            const auto where = [&] {
                return "sheet \"" + sheet.name() + "\" cell " + cellName(row, column);
            };
            if (cell.kind == CellRef::Kind::text) {
                if (cell.shared >= 0 && memoOwner == nullptr) {
                    memoOwner = cell.owner;
                }
                std::uint32_t* known = nullptr;
                if (cell.shared >= 0 && cell.owner == memoOwner) {
                    const auto at = static_cast<std::size_t>(cell.shared);
                    if (memo.size() <= at) {
                        memo.resize(at + 1, kNotYet);
                    }
                    known = &memo[at];
                    if (*known != kNotYet) {
                        table.countUse();
                        indices.push_back(*known);
                        return;
                    }
                }
                std::uint32_t index = 0;
                switch (table.add(cell.text, index)) {
                    case SharedStringTable::Problem::notUtf8:
                        invalid(file, where() + ": text is not valid UTF-8");
                    case SharedStringTable::Problem::tooLong:
                        invalid(file, where() + ": text is longer than 32767 characters");
                    case SharedStringTable::Problem::none:
                        break;
                }
                if (known != nullptr) {
                    *known = index;
                }
                indices.push_back(index);
            } else if (cell.kind == CellRef::Kind::number && !std::isfinite(cell.number)) {
                invalid(file, where() + ": a cell cannot hold an infinite or NaN number");
            }
        });
    }
    return indices;
}

void writeBof(RecordBuffer& out, std::uint16_t kind) {
    out.begin(biff::kBof);
    out.put16(biff::kBiff8Version);
    out.put16(kind);
    out.put16(0x0DBB);  // build and year of Excel 97
    out.put16(0x07CC);
    out.put32(0);
    out.put32(0x00000006);  // lowest BIFF version that can read the file
    out.end();
}

void writeEof(RecordBuffer& out) {
    out.begin(biff::kEof);
    out.end();
}

void writeXf(RecordBuffer& out, std::uint16_t font, bool style) {
    out.begin(biff::kXf);
    out.put16(font);
    out.put16(0);                        // number format: General
    out.put16(style ? 0xFFF5 : 0x0001);  // locked; a style XF has no parent (0xFFF)
    out.put8(0x20);                      // aligned to the bottom
    out.put8(0);
    out.put8(0);
    // For a style XF, set bits mean "attribute group not part of the style".
    out.put8(style && font != 0 ? 0xF4 : 0x00);
    out.put32(0);  // no borders
    out.put32(0);
    out.put16(0x20C0);  // pattern colours: system window text and background
    out.end();
}

std::vector<std::size_t> writeGlobals(RecordBuffer& out, const std::vector<std::u16string>& names,
                                      const SharedStringTable& strings) {
    writeBof(out, biff::kBofGlobals);
    out.begin(biff::kCodePage);
    out.put16(1200);  // UTF-16
    out.end();

    out.begin(biff::kWindow1);
    // Window position and size in twips, flags, active and first tab, tab bar width.
    for (int value : {0x0168, 0x001E, 0x3FCF, 0x2A4E, 0x0038, 0, 0, 1, 0x0258}) {
        out.put16(static_cast<std::uint16_t>(value));
    }
    out.end();

    // Font index 4 is never used, so Excel wants at least five fonts.
    for (int i = 0; i < 5; ++i) {
        out.begin(biff::kFont);
        out.put16(200);  // 10 pt, in twips
        out.put16(0);
        out.put16(0x7FFF);  // automatic colour
        out.put16(400);     // normal weight
        out.put16(0);
        out.put8(0);
        out.put8(0);
        out.put8(0);
        out.put8(0);
        out.putShortString(u"Arial");
        out.end();
    }

    for (std::uint16_t i = 0; i < kStyleXfCount; ++i) {
        const std::uint16_t font = i == 1 || i == 2 ? 1 : (i == 3 || i == 4 ? 2 : 0);
        writeXf(out, font, true);
    }
    writeXf(out, 0, false);

    out.begin(biff::kStyle);
    out.put16(0x8000);  // built-in style on XF 0
    out.put8(0);        // "Normal"
    out.put8(0xFF);
    out.end();

    std::vector<std::size_t> offsetFields;
    for (const std::u16string& name : names) {
        out.begin(biff::kBoundSheet);
        offsetFields.push_back(out.size());
        out.put32(0);
        out.put8(0);  // visible
        out.put8(0);  // worksheet
        out.putShortString(name);
        out.end();
    }

    strings.write(out);
    writeEof(out);
    return offsetFields;
}

void writeSheet(RecordBuffer& out, const Sheet& sheet, bool first,
                const std::vector<std::uint32_t>& textIndices, std::size_t& nextText) {
    writeBof(out, biff::kBofWorksheet);

    out.begin(biff::kDimensions);
    if (const auto range = sheet.usedRange()) {
        out.put32(static_cast<std::uint32_t>(range->firstRow - 1));
        out.put32(static_cast<std::uint32_t>(range->lastRow));
        out.put16(static_cast<std::uint16_t>(range->firstColumn - 1));
        out.put16(static_cast<std::uint16_t>(range->lastColumn));
    } else {
        out.putZeros(12);
    }
    out.put16(0);
    out.end();

    sheet.forEachCellRef([&](int row, int column, const CellRef& cell) {
        const auto address = [&] {
            out.put16(static_cast<std::uint16_t>(row - 1));
            out.put16(static_cast<std::uint16_t>(column - 1));
            out.put16(kCellXf);
        };
        if (cell.kind == CellRef::Kind::text) {
            out.begin(biff::kLabelSst);
            address();
            out.put32(textIndices[nextText++]);
        } else if (cell.kind == CellRef::Kind::number) {
            out.begin(biff::kNumber);
            address();
            out.putDouble(cell.number);
        } else {
            out.begin(biff::kBoolErr);
            address();
            out.put8(cell.boolean ? 1 : 0);
            out.put8(0);
        }
        out.end();
    });

    out.begin(biff::kWindow2);
    // Gridlines, headers, zeros, outline symbols; the first sheet is selected and shown.
    out.put16(first ? 0x06B6 : 0x00B6);
    out.put16(0);
    out.put16(0);
    out.put16(0x40);  // gridline colour: automatic
    out.putZeros(10);
    out.end();

    writeEof(out);
}

}  // namespace

void writeXls(const WorkbookData& workbook, const std::filesystem::path& file) {
    const std::vector<std::u16string> names = checkedSheetNames(workbook, file);
    SharedStringTable strings;
    const std::vector<std::uint32_t> textIndices = collectStrings(workbook, strings, file);

    RecordBuffer out;
    // A cell record takes at most 18 bytes; the buffer then grows only for the strings.
    std::size_t cells = 0;
    for (const Sheet& sheet : workbook.sheets) {
        cells += sheet.cellCount();
    }
    out.bytes().reserve(18 * cells + 65536);
    const std::vector<std::size_t> offsetFields = writeGlobals(out, names, strings);
    std::size_t nextText = 0;
    for (std::size_t i = 0; i < workbook.sheets.size(); ++i) {
        // BOUNDSHEET holds the absolute stream offset of its sheet's BOF record.
        out.patch32(offsetFields[i], static_cast<std::uint32_t>(out.size()));
        writeSheet(out, workbook.sheets[i], i == 0, textIndices, nextText);
    }
    if (out.size() < kMinStreamSize) {
        out.putZeros(kMinStreamSize - out.size());
    }
    buildCompoundFile(out.bytes(), file, [&](std::string_view bytes) {
        try {
            files::replaceFile(file, bytes);
        } catch (const std::system_error& e) {
            throw com::fileError(e);
        }
    });
}

}  // namespace quenmoor::workbook
