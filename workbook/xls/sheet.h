#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "workbook/xls/cell_value.h"

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

// A named worksheet of sparse cells. Cells are kept in one array sorted by row, then column,
// so that filling a sheet in reading order appends without searching or allocating per row.
class Sheet {
public:
    explicit Sheet(std::string name);

    const std::string& name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }

    // An empty cell for addresses never set. Throws ComError (E_INVALIDARG) for an
    // address outside the sheet.
    const CellValue& get(int row, int column) const;
    // Setting an empty value, or empty text, removes the cell.
    void set(int row, int column, CellValue value);

    // The smallest range holding every non-empty cell; nothing for an empty sheet.
    std::optional<CellRange> usedRange() const;
    std::size_t cellCount() const { return cells_.size(); }
    void reserve(std::size_t cells) { cells_.reserve(cells); }
    // Gives back room reserved beyond the cells held, when that is more than a quarter.
    void compact() {
        if (cells_.capacity() - cells_.size() > cells_.size() / 4 + 16) {
            cells_.shrink_to_fit();
        }
    }

    // Calls visit(row, column, value) for every non-empty cell, row by row, left to right.
    template <class Visit>
    void forEachCell(Visit&& visit) const {
        for (const Cell& cell : cells_) {
            visit(static_cast<int>(cell.key >> 8) + 1, static_cast<int>(cell.key & 0xFF) + 1,
                  cell.value);
        }
    }

private:
    struct Cell {
        std::uint32_t key;  // 0-based row times 256 plus 0-based column
        CellValue value;
    };

    std::uint32_t keyOf(int row, int column) const;

    std::string name_;
    std::vector<Cell> cells_;
};

}  // namespace quenmoor::workbook
