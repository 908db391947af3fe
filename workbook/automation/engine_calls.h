#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quenmoor::workbook::automation {

// Every operation of the engine's objects, as tests and host scripts name them: the
// interface, then the method.
enum class Operation : std::uint8_t {
    GlobalWorkbooks,
    GlobalActiveWorkbook,
    GlobalWorksheets,
    GlobalActiveSheet,
    GlobalCells,
    WorkbooksOpen,
    WorkbooksClose,
    WorkbooksCount,
    WorkbookName,
    WorkbookFullName,
    WorkbookWorksheets,
    WorkbookSave,
    WorkbookSaveAs,
    WorkbookClose,
    WorksheetName,
    WorksheetActivate,
    WorksheetCells,
    RangeValue,
    RangeSetValue,
};
inline constexpr std::size_t OperationCount = 19;

// The engine's record of its calls and its switch for failing one: it counts the calls of
// each operation and can make the nth next call of one fail, so that tests and scripts
// show how an add-in copes with a spreadsheet that fails half way through its work. One
// per process, like the application state; calls come from one thread.
class EngineCalls {
public:
    static EngineCalls& instance();

    // Counts the call, then raises ComError(E_FAIL) naming the operation when a failure
    // was injected for this call. A call with nothing injected costs an increment and a test.
    void call(Operation operation) {
        const auto index = static_cast<std::size_t>(operation);
        ++counts_[index];
        if (injected_ != 0) {
            refuseIfInjected(index);
        }
    }

    // Makes the nth next call (1 = the very next) of the named operation fail. Throws
    // ComError(E_INVALIDARG) for a name the engine has no operation for, or nth below 1.
    void failCall(std::string_view name, std::int32_t nth);

    // "Range.Value 12" for each operation called at least once, a line each, in the
    // order of the operations.
    std::string counts() const;

private:
    void refuseIfInjected(std::size_t index);

    std::array<std::uint64_t, OperationCount> counts_{};
    std::array<std::int32_t, OperationCount> pending_{};  // 0: nothing injected
    int injected_ = 0;                                    // operations with a failure pending
};

}  // namespace quenmoor::workbook::automation
