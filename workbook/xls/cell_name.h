#pragma once

#include <string>

namespace quenmoor::workbook {

// The A1-style name of a cell, rows and columns counting from 1.
inline std::string cellName(int row, int column) {
    std::string letters;
    for (int c = column; c > 0; c = (c - 1) / 26) {
        letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
    }
    return letters + std::to_string(row);
}

}  // namespace quenmoor::workbook
