#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "workbook/xls/cell_value.h"
#include "workbook/xls/shared_strings.h"

namespace quenmoor::workbook {

// Rows and columns count from 1, as in Excel's user interface; a BIFF8 sheet has at most
// 65536 rows and 256 columns.
inline constexpr int kMaxRows = 65536;
inline constexpr int kMaxColumns = 256;

struct CellRange {
    int firstRow = 0;
    int firstColumn = 0;
    int lastRow = 0;
    int lastColumn = 0;

    bool operator==(const CellRange&) const = default;
};

// The text of a cell set after reading: an object of its own, so that a value read from the
// cell can hold it, and with it the characters, after the cell changes.
class OwnText final : public com::ComObject<OwnText, com::IUnknown> {
public:
    // Created, read and let go on the one thread that works on the workbook's cells.
    static constexpr bool apartmentThreaded = true;

    explicit OwnText(std::string characters) : text(std::move(characters)) {}

    const std::string text;
};

// A cell's value where the sheet keeps it, copying nothing. Text stays valid while `owner`
// is held: the characters it keeps alive never change.
struct CellRef {
    enum class Kind : std::uint8_t { empty, text, number, boolean };

    Kind kind = Kind::empty;
    bool boolean = false;
    double number = 0;
    std::string_view text;
    com::IUnknown* owner = nullptr;
    // For text read from the file, its index among the strings `owner` holds; else -1.
    std::int64_t shared = -1;

    CellValue value() const;
};

// A named worksheet of sparse cells, eight bytes each: the cells are kept in one array
// sorted by row, then column, so that filling a sheet in reading order appends without
// searching or allocating per cell, and reading rows in order finds each cell next to the
// last. Text read from a file stays in the workbook's shared strings; numbers and text set
// later are held beside the cells.
class Sheet {
public:
    explicit Sheet(std::string name);
    // A sheet whose text cells may refer to `strings`.
    Sheet(std::string name, com::ComPtr<SharedStrings> strings);

    const std::string& name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }

    // An empty cell for addresses never set. Throws ComError (E_INVALIDARG) for an
    // address outside the sheet.
    CellValue get(int row, int column) const { return cell(row, column).value(); }
    CellRef cell(int row, int column) const {
        const std::uint32_t key = keyOf(row, column);
        // Lists are read row after row: the cell wanted is mostly the one after the last.
        std::size_t at = last_ + 1;
        if (at >= cells_.size() || cells_[at].key != key) {
            at = find(key);
        }
        if (at < cells_.size() && cells_[at].key == key) {
            last_ = at;
            return refOf(cells_[at].code);
        }
        return CellRef{};
    }
    // Setting an empty value, or empty text, removes the cell.
    void set(int row, int column, CellValue value);
    // The text of shared string `index`, which must be one of the sheet's strings.
    void setShared(int row, int column, std::uint32_t index);

    // The smallest range holding every non-empty cell; nothing for an empty sheet.
    std::optional<CellRange> usedRange() const;
    std::size_t cellCount() const { return cells_.size(); }
    void reserve(std::size_t cells) { cells_.reserve(cells); }

    // Calls visit(row, column, ref) for every non-empty cell, row by row, left to right.
    template <class Visit>
    void forEachCellRef(Visit&& visit) const {
        for (const Cell& cell : cells_) {
            visit(static_cast<int>(cell.key >> 8) + 1, static_cast<int>(cell.key & 0xFF) + 1,
                  refOf(cell.code));
        }
    }
    // The same, with each value as a CellValue.
    template <class Visit>
    void forEachCell(Visit&& visit) const {
        forEachCellRef(
            [&](int row, int column, const CellRef& ref) { visit(row, column, ref.value()); });
    }

private:
    // A cell's code: its kind in the top three bits, below them a Boolean, or the index of
    // its number, shared string or own text.
    enum Kind : std::uint32_t { kBoolean = 1, kNumber = 2, kShared = 3, kOwnText = 4 };
    static constexpr int kKindShift = 29;
    static constexpr std::uint32_t kIndexMask = (1u << kKindShift) - 1;

    struct Cell {
        std::uint32_t key;  // 0-based row times 256 plus 0-based column
        std::uint32_t code;
    };

    std::uint32_t keyOf(int row, int column) const {
        if (row < 1 || row > kMaxRows || column < 1 || column > kMaxColumns) [[unlikely]] {
            outside(row, column);
        }
        return (static_cast<std::uint32_t>(row - 1) << 8) | static_cast<std::uint32_t>(column - 1);
    }
    // Throws ComError (E_INVALIDARG) naming the sheet and what is wrong with the address.
    [[noreturn]] void outside(int row, int column) const;
    // The position of the first cell whose key is not below key.
    std::size_t find(std::uint32_t key) const;
    CellRef refOf(std::uint32_t code) const;
    std::uint32_t encode(CellValue&& value);
    void release(std::uint32_t code);
    void put(std::uint32_t key, std::uint32_t code);
    void erase(std::uint32_t key);

    std::string name_;
    std::vector<Cell> cells_;
    com::ComPtr<SharedStrings> strings_;
    std::vector<double> numbers_;
    std::vector<std::uint32_t> freeNumbers_;
    // Copies of the sheet share them.
    std::vector<com::ComPtr<OwnText>> ownTexts_;
    std::vector<std::uint32_t> freeTexts_;
    mutable std::size_t last_ = 0;  // the position last looked up
};

}  // namespace quenmoor::workbook
