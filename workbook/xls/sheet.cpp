#include "workbook/xls/sheet.h"

#include <algorithm>
#include <utility>

#include "platform/com/com_error.h"

namespace quenmoor::workbook {

namespace {

const CellValue kEmpty{};

bool isBlank(const CellValue& value) {
    const std::string* text = textOf(value);
    return isEmpty(value) || (text != nullptr && text->empty());
}

}  // namespace

Sheet::Sheet(std::string name) : name_(std::move(name)) {}

std::uint32_t Sheet::keyOf(int row, int column) const {
    auto fail = [this](const std::string& what) {
        throw com::ComError(com::E_INVALIDARG, "sheet \"" + name_ + "\": " + what);
    };
    if (row < 1) {
        fail("row " + std::to_string(row) + " is not a row of a sheet (rows count from 1)");
    }
    if (row > kMaxRows) {
        fail("row " + std::to_string(row) + " is beyond the " + std::to_string(kMaxRows) +
             " rows of a sheet");
    }
    if (column < 1) {
        fail("column " + std::to_string(column) +
             " is not a column of a sheet (columns count from 1)");
    }
    if (column > kMaxColumns) {
        fail("column " + std::to_string(column) + " is beyond the " + std::to_string(kMaxColumns) +
             " columns of a sheet");
    }
    return (static_cast<std::uint32_t>(row - 1) << 8) | static_cast<std::uint32_t>(column - 1);
}

const CellValue& Sheet::get(int row, int column) const {
    const std::uint32_t key = keyOf(row, column);
    auto it = std::lower_bound(cells_.begin(), cells_.end(), key,
                               [](const Cell& cell, std::uint32_t k) { return cell.key < k; });
    return it != cells_.end() && it->key == key ? it->value : kEmpty;
}

void Sheet::set(int row, int column, CellValue value) {
    const std::uint32_t key = keyOf(row, column);
    const bool blank = isBlank(value);
    if (!blank && (cells_.empty() || cells_.back().key < key)) {
        cells_.push_back(Cell{key, std::move(value)});
        return;
    }
    auto it = std::lower_bound(cells_.begin(), cells_.end(), key,
                               [](const Cell& cell, std::uint32_t k) { return cell.key < k; });
    const bool present = it != cells_.end() && it->key == key;
    if (blank) {
        if (present) {
            cells_.erase(it);
        }
    } else if (present) {
        it->value = std::move(value);
    } else {
        cells_.insert(it, Cell{key, std::move(value)});
    }
}

std::optional<CellRange> Sheet::usedRange() const {
    if (cells_.empty()) {
        return std::nullopt;
    }
    CellRange range{static_cast<int>(cells_.front().key >> 8) + 1, kMaxColumns,
                    static_cast<int>(cells_.back().key >> 8) + 1, 1};
    for (const Cell& cell : cells_) {
        const int column = static_cast<int>(cell.key & 0xFF) + 1;
        range.firstColumn = std::min(range.firstColumn, column);
        range.lastColumn = std::max(range.lastColumn, column);
    }
    return range;
}

}  // namespace quenmoor::workbook
