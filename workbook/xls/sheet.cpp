#include "workbook/xls/sheet.h"

#include <algorithm>
#include <utility>

#include "platform/com/com_error.h"

namespace quenmoor::workbook {

CellValue CellRef::value() const {
    switch (kind) {
        case Kind::text:
            return std::string(text);
        case Kind::number:
            return number;
        case Kind::boolean:
            return boolean;
        case Kind::empty:
            break;
    }
    return {};
}

Sheet::Sheet(std::string name) : name_(std::move(name)) {}

Sheet::Sheet(std::string name, com::ComPtr<SharedStrings> strings)
    : name_(std::move(name)), strings_(std::move(strings)) {}

void Sheet::outside(int row, int column) const {
    std::string what;
    if (row < 1) {
        what = "row " + std::to_string(row) + " is not a row of a sheet (rows count from 1)";
    } else if (row > kMaxRows) {
        what = "row " + std::to_string(row) + " is beyond the " + std::to_string(kMaxRows) +
               " rows of a sheet";
    } else if (column < 1) {
        what = "column " + std::to_string(column) +
               " is not a column of a sheet (columns count from 1)";
    } else {
        what = "column " + std::to_string(column) + " is beyond the " +
               std::to_string(kMaxColumns) + " columns of a sheet";
    }
    throw com::ComError(com::E_INVALIDARG, "sheet \"" + name_ + "\": " + what);
}

std::size_t Sheet::find(std::uint32_t key) const {
    const std::size_t size = cells_.size();
    // Lists are read row after row: the cell wanted is mostly the one after the last.
    for (std::size_t at = last_; at < size && at <= last_ + 1; ++at) {
        if (cells_[at].key == key) {
            last_ = at;
            return at;
        }
    }
    auto it = std::lower_bound(cells_.begin(), cells_.end(), key,
                               [](const Cell& cell, std::uint32_t k) { return cell.key < k; });
    const auto at = static_cast<std::size_t>(it - cells_.begin());
    if (at < size) {
        last_ = at;
    }
    return at;
}

CellRef Sheet::refOf(std::uint32_t code) const {
    CellRef ref;
    const std::uint32_t index = code & kIndexMask;
    switch (code >> kKindShift) {
        case kBoolean:
            ref.kind = CellRef::Kind::boolean;
            ref.boolean = index != 0;
            break;
        case kNumber:
            ref.kind = CellRef::Kind::number;
            ref.number = numbers_[index];
            break;
        case kShared:
            ref.kind = CellRef::Kind::text;
            ref.text = (*strings_)[index];
            ref.owner = strings_.get();
            ref.shared = index;
            break;
        case kOwnText:
            ref.kind = CellRef::Kind::text;
            ref.text = ownTexts_[index]->text;
            ref.owner = ownTexts_[index].get();
            break;
        default:
            break;
    }
    return ref;
}

std::uint32_t Sheet::encode(CellValue&& value) {
    auto slot = [](auto& pool, std::vector<std::uint32_t>& free, auto&& item) {
        if (free.empty()) {
            pool.push_back(std::forward<decltype(item)>(item));
            return static_cast<std::uint32_t>(pool.size() - 1);
        }
        const std::uint32_t index = free.back();
        free.pop_back();
        pool[index] = std::forward<decltype(item)>(item);
        return index;
    };
    if (const double* number = numberOf(value)) {
        return (kNumber << kKindShift) | slot(numbers_, freeNumbers_, *number);
    }
    if (const bool* boolean = booleanOf(value)) {
        return (kBoolean << kKindShift) | (*boolean ? 1u : 0u);
    }
    return (kOwnText << kKindShift) |
           slot(ownTexts_, freeTexts_, OwnText::create(std::move(std::get<std::string>(value))));
}

void Sheet::release(std::uint32_t code) {
    const std::uint32_t index = code & kIndexMask;
    switch (code >> kKindShift) {
        case kNumber:
            freeNumbers_.push_back(index);
            break;
        case kOwnText:
            ownTexts_[index] = nullptr;
            freeTexts_.push_back(index);
            break;
        default:
            break;
    }
}

void Sheet::put(std::uint32_t key, std::uint32_t code) {
    if (cells_.empty() || cells_.back().key < key) {
        cells_.push_back(Cell{key, code});
        return;
    }
    const std::size_t at = find(key);
    if (cells_[at].key == key) {
        release(cells_[at].code);
        cells_[at].code = code;
    } else {
        cells_.insert(cells_.begin() + static_cast<std::ptrdiff_t>(at), Cell{key, code});
    }
}

void Sheet::erase(std::uint32_t key) {
    const std::size_t at = find(key);
    if (at < cells_.size() && cells_[at].key == key) {
        release(cells_[at].code);
        cells_.erase(cells_.begin() + static_cast<std::ptrdiff_t>(at));
        last_ = 0;
    }
}

void Sheet::set(int row, int column, CellValue value) {
    const std::uint32_t key = keyOf(row, column);
    const std::string* text = textOf(value);
    if (isEmpty(value) || (text != nullptr && text->empty())) {
        erase(key);
        return;
    }
    put(key, encode(std::move(value)));
}

void Sheet::setShared(int row, int column, std::uint32_t index) {
    const std::uint32_t key = keyOf(row, column);
    if ((*strings_)[index].empty()) {
        erase(key);
        return;
    }
    put(key, (kShared << kKindShift) | index);
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
