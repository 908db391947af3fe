#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/com_error.h"
#include "workbook/xls/workbook_data.h"

namespace quenmoor::workbook::automation {

// The code for a call on an object whose application has let go of it: here, anything of
// a workbook that has been closed.
inline constexpr com::HRESULT RPC_E_DISCONNECTED = com::detail::code(0x80010108);

// One open workbook: its file and its model, held once for every Workbook, Worksheet and
// Range object handed out for it. Closing drops the model; the objects keep this shell,
// whose calls then fail naming the workbook, and the sheet names for those messages.
class OpenWorkbook {
public:
    OpenWorkbook(std::filesystem::path file, WorkbookData data);

    const std::filesystem::path& file() const { return file_; }
    const std::string& name() const { return name_; }
    bool isOpen() const { return open_; }

    // Throws ComError(RPC_E_DISCONNECTED) naming the workbook and `what` once it is closed.
    void requireOpen(std::string_view what) const {
        if (!open_) {
            failClosed(what);
        }
    }
    void requireOpen(std::size_t sheet) const {
        if (!open_) {
            failClosed("sheet \"" + sheetName(sheet) + "\"");
        }
    }
    void requireOpen(std::size_t sheet, std::int32_t row, std::int32_t column) const {
        if (!open_) {
            failClosed("sheet \"" + sheetName(sheet) + "\", " + cellText(row, column));
        }
    }

    // The sheet named `name` without regard to case. Throws ComError(DISP_E_BADINDEX)
    // naming the file and the sheet when there is none.
    std::size_t findSheet(std::string_view name) const;
    const std::string& sheetName(std::size_t sheet) const { return sheetNames_[sheet]; }
    // The cells of an open workbook's sheet; callers check requireOpen first.
    Sheet& sheet(std::size_t index) { return data_.sheets[index]; }

    std::size_t activeSheet() const { return activeSheet_; }
    void setActiveSheet(std::size_t sheet) { activeSheet_ = sheet; }

    // Throws ComError(E_INVALIDARG) naming the file, the sheet and the cell for an address
    // outside the sheet.
    void checkCell(std::size_t sheet, std::int32_t row, std::int32_t column) const {
        if (row < 1 || row > kMaxRows || column < 1 || column > kMaxColumns) {
            failOutside(sheet, row, column);
        }
    }

    // Writes the model to the file, atomically: a failure leaves the file as it was.
    void save();
    // Writes the workbook to `file`, which becomes its file.
    void saveAs(std::filesystem::path file);
    void close();

private:
    [[noreturn]] void failClosed(std::string_view what) const;
    [[noreturn]] void failOutside(std::size_t sheet, std::int32_t row, std::int32_t column) const;
    static std::string cellText(std::int32_t row, std::int32_t column);

    std::filesystem::path file_;
    std::string name_;
    WorkbookData data_;
    std::vector<std::string> sheetNames_;
    std::size_t activeSheet_ = 0;
    bool open_ = true;
};

}  // namespace quenmoor::workbook::automation
