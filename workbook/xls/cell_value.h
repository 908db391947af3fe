#pragma once

#include <string>
#include <variant>

namespace quenmoor::workbook {

// The value of one cell. Text is UTF-8. The model has no empty text: a text cell holding ""
// is stored as an empty cell, since Excel shows both alike and LibreOffice and FreeXL treat
// an empty text cell as an error. Error cells of a file (#N/A, #DIV/0!, ...) are read as
// the text Excel displays for them.
using CellValue = std::variant<std::monostate, std::string, double, bool>;

inline bool isEmpty(const CellValue& value) {
    return std::holds_alternative<std::monostate>(value);
}

inline const std::string* textOf(const CellValue& value) {
    return std::get_if<std::string>(&value);
}

inline const double* numberOf(const CellValue& value) {
    return std::get_if<double>(&value);
}

inline const bool* booleanOf(const CellValue& value) {
    return std::get_if<bool>(&value);
}

}  // namespace quenmoor::workbook
