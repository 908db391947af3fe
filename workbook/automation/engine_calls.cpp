#include "workbook/automation/engine_calls.h"

#include <algorithm>

#include "platform/com/com_error.h"

namespace quenmoor::workbook::automation {

namespace {

constexpr std::array<std::string_view, OperationCount> Names = {
    "Global.Workbooks", "Global.ActiveWorkbook", "Global.Worksheets",   "Global.ActiveSheet",
    "Global.Cells",     "Workbooks.Open",        "Workbooks.Close",     "Workbooks.Count",
    "Workbook.Name",    "Workbook.FullName",     "Workbook.Worksheets", "Workbook.Save",
    "Workbook.SaveAs",  "Workbook.Close",        "Worksheet.Name",      "Worksheet.Activate",
    "Worksheet.Cells",  "Range.Value",           "Range.SetValue",
};
static_assert(static_cast<std::size_t>(Operation::RangeSetValue) + 1 == OperationCount);

}  // namespace

EngineCalls& EngineCalls::instance() {
    static EngineCalls calls;
    return calls;
}

void EngineCalls::failCall(std::string_view name, std::int32_t nth) {
    const auto found = std::find(Names.begin(), Names.end(), name);
    if (found == Names.end()) {
        throw com::ComError(com::E_INVALIDARG,
                            "the spreadsheet has no operation \"" + std::string(name) + "\"");
    }
    if (nth < 1) {
        throw com::ComError(com::E_INVALIDARG, "the call number must be 1 or more");
    }
    std::int32_t& pending = pending_[static_cast<std::size_t>(found - Names.begin())];
    injected_ += pending == 0 ? 1 : 0;
    pending = nth;
}

std::string EngineCalls::counts() const {
    std::string text;
    for (std::size_t i = 0; i < OperationCount; ++i) {
        if (counts_[i] != 0) {
            text += std::string(Names[i]) + " " + std::to_string(counts_[i]) + "\n";
        }
    }
    return text;
}

void EngineCalls::refuseIfInjected(std::size_t index) {
    if (pending_[index] != 0 && --pending_[index] == 0) {
        --injected_;
        throw com::ComError(com::E_FAIL, std::string(Names[index]) + ": the spreadsheet failed");
    }
}

}  // namespace quenmoor::workbook::automation
